#include "pages/Encodings.h"

#include <QtGlobal>

namespace {

constexpr Encoding kEncodings[] = {
    {32918, QT_TRANSLATE_NOOP("Encodings", "自动选择(&A)"), "_autodetect", false},
    {32914, QT_TRANSLATE_NOOP("Encodings", "简体中文(GB2321)"), "iso-ir-58", true},
    {32915, QT_TRANSLATE_NOOP("Encodings", "繁体中文(Big5)"), "big5", false},
    {32920, QT_TRANSLATE_NOOP("Encodings", "Unicode(UTF-8)"), "utf-8", false},
    {33036, QT_TRANSLATE_NOOP("Encodings", "Unicode(UTF-7)"), "utf-7", false},
    {32919, QT_TRANSLATE_NOOP("Encodings", "US-ASCII"), "us-ascii", false},
    {32913, QT_TRANSLATE_NOOP("Encodings", "西欧(ISO-8859-1)"), "iso-8859-1", true},
    {33027, QT_TRANSLATE_NOOP("Encodings", "中欧(ISO-8859-2)"), "iso-8859-2", false},
    {33033, QT_TRANSLATE_NOOP("Encodings", "南欧(ISO-8859-3)"), "iso-8859-3", false},
    {33024, QT_TRANSLATE_NOOP("Encodings", "波罗的海文(ISO-8859-4)"), "iso-8859-4", false},
    {33031, QT_TRANSLATE_NOOP("Encodings", "西里尔文(ISO-8859-5)"), "iso-8859-5", false},
    {33026, QT_TRANSLATE_NOOP("Encodings", "阿拉伯文(ISO-8859-6)"), "iso-8859-6", false},
    {33022, QT_TRANSLATE_NOOP("Encodings", "希腊文(ISO-8859-7)"), "iso-8859-7", false},
    {33029, QT_TRANSLATE_NOOP("Encodings", "希伯来文(ISO-8859-8)"), "iso-8859-8", false},
    {33035, QT_TRANSLATE_NOOP("Encodings", "土耳其文(ISO-8859-9)"), "iso-8859-9", false},
    {32921, QT_TRANSLATE_NOOP("Encodings", "韩文(koi8-r)(&K)"), "koi8-r", false},
    {32916, QT_TRANSLATE_NOOP("Encodings", "日文(JIS)"), "iso-2022-jp", true},
    {32917, QT_TRANSLATE_NOOP("Encodings", "日文(EUC)"), "euc-jp", false},
    {32922, QT_TRANSLATE_NOOP("Encodings", "日文(Shift-JIS)"), "shift-jis", false},
    {32923, QT_TRANSLATE_NOOP("Encodings", "韩文(ISO-2022-KR)"), "iso-2022-kr", false},
    {32924, QT_TRANSLATE_NOOP("Encodings", "韩文(EUC-KR)"), "euc-kr", false},
};

} // namespace

std::span<const Encoding> Encodings::all()
{
    return kEncodings;
}

const char *Encodings::charsetFor(int id)
{
    for (const Encoding &encoding : kEncodings) {
        if (encoding.id == id)
            return encoding.charset;
    }
    return nullptr;
}
