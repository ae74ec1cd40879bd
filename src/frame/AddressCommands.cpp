#include "frame/AddressCommands.h"

#include "core/AppSwitches.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "frame/CXTFlatComboBox.h"
#include "pages/BlankPage.h"
#include "pages/CWebBrowser2.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"

#include <QLineEdit>

#include <algorithm>

namespace {

const QString kTypeSound = QStringLiteral("type.wav");
const QString kUserSelect = QStringLiteral("UserSelect.wav");
const QString kUseFormSuggest = QStringLiteral("Use FormSuggest");
const QString kFormSuggestPasswords = QStringLiteral("FormSuggest Passwords");
const QString kUseAutoComplete = QStringLiteral("Use AutoComplete");
const QString kAppendCompletion = QStringLiteral("Append Completion");
const QString kAutoSuggest = QStringLiteral("AutoSuggest");
constexpr int kMaxVisited = 200;

bool isYes(const std::optional<RegValue> &value)
{
    return value && value->text.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0;
}

bool isNo(const std::optional<RegValue> &value)
{
    return value && value->text.compare(QLatin1String("no"), Qt::CaseInsensitive) == 0;
}

} // namespace

AddressCommands::AddressCommands(AddressParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{
    const SettingsStore &s = m_parts.settings;
    m_texts = {s.read(settings::ctrl1), s.read(settings::ctrl2), s.read(settings::shift1),
               s.read(settings::shift2), s.read(settings::alt1),  s.read(settings::alt2)};
    m_newOnAddress = s.read(settings::NewOnAddress) != 0;

    CXTFlatComboBox &box = m_parts.box;
    connect(&box, &CXTFlatComboBox::confirmed, this, &AddressCommands::confirm);
    connect(&box, &CXTFlatComboBox::escaped, this, [this] {
        if (CWebBrowser2 *page = m_parts.host.activePage())
            page->control()->widget()->setFocus();
    });
    connect(&box, &CXTFlatComboBox::entryChosen, this, [this](const QString &text) {
        m_parts.host.OpenInCurrentPage(text);
    });
    box.setKeyHook([this] { m_parts.host.playSound(kTypeSound); });
    box.setCandidateSource([this] { return candidates(); });

    // The addresses the Pages reach are offered while typing.
    connect(&m_parts.host.list(), &PageList::tabChanged, this, [this](int index) {
        if (const CWebBrowser2 *page = m_parts.host.list().at(index))
            rememberVisited(page->address());
    });
    applyCompletionModes();
}

bool AddressCommands::handle(int id)
{
    switch (id) {
    case cmd::Go: go(); return true;
    case cmd::FocusAddressBar: m_parts.box.focusAndSelectAll(); return true;
    case cmd::AddressPartBack: moveByPart(false); return true;
    case cmd::AddressPartForward: moveByPart(true); return true;
    case cmd::NewOnAddress: toggleNewOnAddress(); return true;
    case cmd::AutoComplete: toggleAutoComplete(); return true;
    default: return false;
    }
}

std::optional<bool> AddressCommands::checked(int id) const
{
    switch (id) {
    case cmd::NewOnAddress: return m_newOnAddress;
    case cmd::AutoComplete: {
        const auto value = m_parts.settings.registry().query(Hive::CurrentUser, QLatin1String(mirrored::kIEMain),
                                                             kUseFormSuggest);
        return value && !isNo(value);
    }
    default: return std::nullopt;
    }
}

void AddressCommands::confirm(Qt::KeyboardModifiers modifiers)
{
    CXTFlatComboBox &box = m_parts.box;
    const QString typed = box.currentText();
    if (typed.isEmpty())
        return;
    const QString text = AddressRules::complete(typed, modifiers.testFlag(Qt::ControlModifier),
                                                modifiers.testFlag(Qt::ShiftModifier), m_texts);
    // Confirmed: the bar may show the Page's address again.
    box.lineEdit()->setModified(false);
    if (!m_newOnAddress)
        box.setEditText(text);
    CWebBrowser2 *active = m_parts.host.activePage();
    if (!m_newOnAddress || (active && active->state() == CWebBrowser2::Error)) {
        m_parts.host.OpenInCurrentPage(text);
    } else {
        m_parts.host.CreatePage(text, PageHost::ReuseBlank, text);
        // The bar goes on showing the Page that is in front.
        CWebBrowser2 *front = m_parts.host.activePage();
        if (!m_parts.switches.bNewWindowActive && front) {
            const QString address = front->address();
            if (address != kBlankAddress) {
                box.setEditText(address);
                box.lineEdit()->selectAll();
            }
        }
    }
    box.remember(text);
}

void AddressCommands::go()
{
    CXTFlatComboBox &box = m_parts.box;
    box.setFocus(Qt::ShortcutFocusReason);
    const QString text = box.currentText();
    if (!text.isEmpty())
        m_parts.host.OpenInCurrentPage(text);
}

void AddressCommands::moveByPart(bool forward)
{
    CXTFlatComboBox &box = m_parts.box;
    box.setFocus(Qt::ShortcutFocusReason);
    QLineEdit *edit = box.lineEdit();
    const QString text = edit->text();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int end = edit->hasSelectedText() ? edit->selectionEnd() : edit->cursorPosition();
    const auto selection = forward ? AddressRules::nextPart(text, end) : AddressRules::previousPart(text, start);
    if (!selection) {
        edit->deselect();
        return;
    }
    edit->setSelection(selection->start, selection->end - selection->start);
}

void AddressCommands::toggleNewOnAddress()
{
    m_parts.host.playSound(kUserSelect);
    m_newOnAddress = !m_newOnAddress;
    m_parts.settings.write(settings::NewOnAddress, m_newOnAddress ? 1 : 0);
}

void AddressCommands::toggleAutoComplete()
{
    m_parts.host.playSound(kUserSelect);
    RegistryStore &registry = m_parts.settings.registry();
    const QString main = QLatin1String(mirrored::kIEMain);
    const auto formSuggest = registry.query(Hive::CurrentUser, main, kUseFormSuggest);
    const auto autoComplete = registry.query(Hive::CurrentUser, main, kUseAutoComplete);
    // A profile where neither was ever set counts as switched off, so the
    // first use of the switch turns completion on.
    if (formSuggest || !autoComplete) {
        const RegValue value = RegValue::fromText(isYes(formSuggest) ? QStringLiteral("no") : QStringLiteral("yes"));
        registry.transaction([&] {
            bool ok = registry.createAndSetValue(Hive::CurrentUser, main, kUseFormSuggest, value)
                      && registry.setValue(Hive::CurrentUser, main, kFormSuggestPasswords, value);
            const QString complete = QLatin1String(mirrored::kAutoComplete);
            if (ok && registry.createKey(Hive::CurrentUser, complete)) {
                ok = registry.setValue(Hive::CurrentUser, complete, kAppendCompletion, value)
                     && registry.setValue(Hive::CurrentUser, complete, kAutoSuggest, value);
            }
            return ok;
        });
    } else {
        const RegValue value = RegValue::fromText(isYes(autoComplete) ? QStringLiteral("no") : QStringLiteral("yes"));
        registry.setValue(Hive::CurrentUser, main, kUseAutoComplete, value);
    }
    applyCompletionModes();
}

void AddressCommands::applyCompletionModes()
{
    const RegistryStore &registry = m_parts.settings.registry();
    const QString complete = QLatin1String(mirrored::kAutoComplete);
    // Suggestions unless switched off; appending only when switched on.
    const bool suggest = !isNo(registry.query(Hive::CurrentUser, complete, kAutoSuggest));
    const bool append = isYes(registry.query(Hive::CurrentUser, complete, kAppendCompletion));
    m_parts.box.setCompletionModes(suggest, append);
}

QStringList AddressCommands::candidates() const
{
    QStringList all = m_parts.box.entries();
    all += m_visited;
    const ClosedPageList &closed = m_parts.host.list().closed();
    for (int slot : closed.slotsNewestFirst())
        all << closed.at(slot).address;
    return all;
}

void AddressCommands::rememberVisited(const QString &address)
{
    if (address.isEmpty() || address == kBlankAddress || (!m_visited.isEmpty() && m_visited.first() == address))
        return;
    m_visited.removeAll(address);
    m_visited.prepend(address);
    if (m_visited.size() > kMaxVisited)
        m_visited.removeLast();
}

void AddressCommands::loadTypedList()
{
    const RegistryStore &registry = m_parts.settings.registry();
    const QString key = QLatin1String(mirrored::kTypedUrls);
    QStringList typed;
    for (int n = 1;; ++n) {
        const auto value = registry.query(Hive::CurrentUser, key, QStringLiteral("url%1").arg(n));
        if (!value)
            break;
        if (!value->text.isEmpty())
            typed << value->text;
    }
    m_parts.box.setEntries(typed);
}

void AddressCommands::aboutToClose()
{
    saveTypedList();
    saveCompletionTexts();
}

void AddressCommands::saveTypedList()
{
    RegistryStore &registry = m_parts.settings.registry();
    const QString key = QLatin1String(mirrored::kTypedUrls);
    const QStringList saved = AddressRules::toSave(m_parts.box.entries());
    registry.transaction([&] {
        registry.deleteKey(Hive::CurrentUser, key);
        if (!registry.createKey(Hive::CurrentUser, key))
            return false;
        for (int i = 0; i < saved.size(); ++i) {
            if (!registry.setValue(Hive::CurrentUser, key, QStringLiteral("url%1").arg(i + 1),
                                   RegValue::fromText(saved[i])))
                return false;
        }
        return true;
    });
}

void AddressCommands::clearAddresses()
{
    m_parts.box.setEntries({});
    m_visited.clear();
    deleteTypedValues();
}

void AddressCommands::clearTypedValues()
{
    const int deleted = deleteTypedValues();
    QStringList entries = m_parts.box.entries();
    entries.erase(entries.begin(), entries.begin() + std::min<qsizetype>(deleted, entries.size()));
    m_parts.box.setEntries(entries);
}

int AddressCommands::deleteTypedValues()
{
    RegistryStore &registry = m_parts.settings.registry();
    const QString key = QLatin1String(mirrored::kTypedUrls);
    int n = 1;
    while (registry.deleteValue(Hive::CurrentUser, key, QStringLiteral("url%1").arg(n)))
        ++n;
    return n - 1;
}

void AddressCommands::saveCompletionTexts()
{
    SettingsStore &s = m_parts.settings;
    s.registry().transaction([&] {
        return s.write(settings::ctrl1, m_texts.ctrl1) && s.write(settings::ctrl2, m_texts.ctrl2)
               && s.write(settings::shift1, m_texts.shift1) && s.write(settings::shift2, m_texts.shift2)
               && s.write(settings::alt1, m_texts.alt1) && s.write(settings::alt2, m_texts.alt2);
    });
}
