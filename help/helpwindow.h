#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

/**
 * The help window "帮助": a read-only text of the method, its range of
 * validity and hints on the inputs and results, in blue, one paragraph per
 * line with a narrow gap between paragraphs. Fixed client area 746 x 443.
 *
 * Modeless: the main window stays usable beside it. "确定" and closing hide
 * it; the program keeps it for the whole run.
 */
class TForm_help : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_help(QWidget *parent = nullptr);

    QTextEdit *RichEdit_help;
    QPushButton *Button_ok; ///< "确定"

private:
    void fillHelpText();
};
