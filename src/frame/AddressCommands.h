#pragma once

#include "core/CommandHandler.h"
#include "frame/AddressRules.h"

#include <QObject>

#include <optional>

class AppSwitches;
class CXTFlatComboBox;
class PageHost;
class RegistryStore;
class SettingsStore;

// What the address bar's commands work on.
struct AddressParts
{
    CXTFlatComboBox &box;
    PageHost &host;
    SettingsStore &settings;
    AppSwitches &switches;
};

// The address bar's commands: confirming the typed text (with Ctrl, Shift or
// both completing a bare word), going to it, the caret moves by parts of the
// address, the typed list kept in the registry store, and the switches for
// new Pages and auto-completion.
class AddressCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    explicit AddressCommands(AddressParts parts, QObject *parent = nullptr);

    bool handle(int id) override;
    std::optional<bool> checked(int id) const override;
    // Keeps the typed list and the completion texts.
    void aboutToClose() override;

    // Enter in the bar, with the modifier keys held.
    void confirm(Qt::KeyboardModifiers modifiers);

    const AddressRules::CompletionTexts &completionTexts() const { return m_texts; }
    void setCompletionTexts(const AddressRules::CompletionTexts &texts) { m_texts = texts; }

    // Fills the list from the typed addresses in the registry store.
    void loadTypedList();
    // Writes the list back (at exit): at most 24, numbered without gaps.
    void saveTypedList();
    // Writes the six completion texts (when the frame goes).
    void saveCompletionTexts();

    // The privacy cleaner's two targets. Addresses empties the list, then
    // deletes the typed-address values; typed values deletes them from
    // "url1" upwards until one is missing, dropping the list's first entry
    // for each one deleted.
    void clearAddresses();
    void clearTypedValues();

    // Whether completion suggests (AutoSuggest) and appends (Append
    // Completion), as the registry store says.
    void applyCompletionModes();

private:
    // Deletes "url1", "url2", ... until one is missing; returns how many went.
    int deleteTypedValues();
    void go();
    void moveByPart(bool forward);
    void toggleNewOnAddress();
    void toggleAutoComplete();
    QStringList candidates() const;
    void rememberVisited(const QString &address);

    AddressParts m_parts;
    AddressRules::CompletionTexts m_texts;
    bool m_newOnAddress = true;
    // Addresses the Pages went to in this session, newest first.
    QStringList m_visited;
};
