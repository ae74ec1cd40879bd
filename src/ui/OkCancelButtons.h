#pragma once

class QDialog;
class QDialogButtonBox;

// The OK and Cancel buttons of one of our dialogs, in our own words,
// accepting and rejecting the dialog.
QDialogButtonBox *okCancelButtons(QDialog *dialog);
