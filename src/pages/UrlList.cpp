#include "pages/UrlList.h"

#include "pages/LastVisit.h"
#include "platform/DataText.h"

namespace UrlList {

QStringList parse(const QByteArray &content)
{
    QString text = DataText::decode(content);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.isEmpty())
        return {};
    QStringList addresses;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        // No list is a session anyone could use past this.
        if (addresses.size() == LastVisit::kMaxAddresses)
            break;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        addresses << line.toString();
    }
    return addresses;
}

} // namespace UrlList
