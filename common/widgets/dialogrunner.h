#pragma once

#include <QDialog>

namespace common {

/**
 * Shows the modal dialogs the main window opens (options, composer, the two
 * weight lookups). The program runs them with exec(); tests put in a runner
 * that answers at once, so that no test waits in a modal loop.
 */
class DialogRunner
{
public:
    virtual ~DialogRunner() = default;

    /// Shows \a dialog modally and returns its result: QDialog::Accepted (1) when confirmed.
    virtual int run(QDialog &dialog) = 0;
};

/// The program's runner: the dialog's own modal loop.
class ModalDialogRunner final : public DialogRunner
{
public:
    int run(QDialog &dialog) override { return dialog.exec(); }
};

} // namespace common
