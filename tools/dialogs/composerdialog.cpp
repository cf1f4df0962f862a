#include "tools/dialogs/composerdialog.h"

#include "common/widgets/dialogbuttons.h"
#include "common/widgets/editingshortcuts.h"

#include "tools/model/fittingsettable.h"
#include "tools/model/insulatordisctable.h"

#include <QDialogButtonBox>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int dialogWidth = 480;
constexpr int dialogHeight = 360;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit *resultEdit(const QString &objectName, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    // Results of the composition: the caller takes them as they are shown.
    edit->setReadOnly(true);
    return edit;
}

QLabel *label(const QString &text, QWidget *parent, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *result = new QLabel(text, parent);
    result->setAlignment(alignment);
    return result;
}

/**
 * Whether the disc-count field takes a typed key. Only digits are typed;
 * every other character is dropped, while keys that type nothing (arrows,
 * Home, End, Delete), Backspace, the editing shortcuts and the keys that
 * close the dialog work as usual. A paste is judged by the spin box itself,
 * which takes only a whole number.
 */
bool discCountTakes(const QKeyEvent &event)
{
    const QString text = event.text();
    if (text.isEmpty() || common::isEditingShortcut(event))
        return true;
    const char16_t typed = text.front().unicode();
    const bool closesOrMoves = typed == u'\r' || typed == u'\n' || typed == u'\x1b' || typed == u'\t'
        || typed == u'\x7f' || typed == u'\b';
    if (closesOrMoves)
        return true;
    return typed < 0x80 && tools::ComposerModel::acceptsDiscCountKey(static_cast<char>(typed));
}

} // namespace

TForm_jyz::TForm_jyz(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_jyz"));
    setWindowTitle(QStringLiteral("手动组合绝缘子串参数计算"));
    setFixedSize(dialogWidth, dialogHeight);

    buildChoiceGroup();
    buildResultGroup();

    QDialogButtonBox *buttons = common::makeOkCancelButtons(*this);
    BitBtn_YES = buttons->button(QDialogButtonBox::Ok);
    BitBtn_YES->setObjectName(QStringLiteral("BitBtn_YES"));
    BitBtn_NO = buttons->button(QDialogButtonBox::Cancel);
    BitBtn_NO->setObjectName(QStringLiteral("BitBtn_NO"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(GroupBox_choice);
    layout->addWidget(GroupBox_result);
    layout->addStretch();
    layout->addWidget(buttons);

    showResult();

    connect(ComboBox_jyzxh, &QComboBox::currentIndexChanged, this, &TForm_jyz::ComboBox_jyzxhChange);
    connect(ComboBox_jjxh, &QComboBox::currentIndexChanged, this, &TForm_jyz::ComboBox_jjxhChange);
    connect(CSpinEdit_jyz_ps, &QSpinBox::textChanged, this, &TForm_jyz::CSpinEdit_jyz_psChange);
    connect(CSpinEdit_jyz_ps, &QSpinBox::editingFinished, this, &TForm_jyz::CSpinEdit_jyz_psExit);
}

void TForm_jyz::buildChoiceGroup()
{
    GroupBox_choice = new QGroupBox(QStringLiteral("选择组合"), this);
    GroupBox_choice->setObjectName(QStringLiteral("GroupBox_choice"));

    ComboBox_jyzxh = new QComboBox(GroupBox_choice);
    ComboBox_jyzxh->setObjectName(QStringLiteral("ComboBox_jyzxh"));
    for (const tools::InsulatorDisc &disc : tools::insulatorDiscTable())
        ComboBox_jyzxh->addItem(fromUtf8(disc.discModel));
    ComboBox_jyzxh->setCurrentIndex(mModel.discModelIndex());

    ComboBox_jjxh = new QComboBox(GroupBox_choice);
    ComboBox_jjxh->setObjectName(QStringLiteral("ComboBox_jjxh"));
    for (const tools::FittingSet &set : tools::fittingSetTable())
        ComboBox_jjxh->addItem(fromUtf8(set.fittingSetName));
    ComboBox_jjxh->setCurrentIndex(mModel.fittingSetIndex());
    ComboBox_jjxh->setMaxVisibleItems(tools::fittingSetCount);

    CSpinEdit_jyz_ps = new QSpinBox(GroupBox_choice);
    CSpinEdit_jyz_ps->setObjectName(QStringLiteral("CSpinEdit_jyz_ps"));
    CSpinEdit_jyz_ps->setRange(tools::minDiscCount, tools::maxDiscCount);
    CSpinEdit_jyz_ps->setValue(tools::discCountOf(mModel.discCountText()));
    CSpinEdit_jyz_ps->setAlignment(Qt::AlignRight);
    CSpinEdit_jyz_ps->installEventFilter(this);

    // The ice thickness is the options' choice, shown here for reference only.
    RadioGroup_fb = new QGroupBox(QStringLiteral("覆冰厚度"), GroupBox_choice);
    RadioGroup_fb->setObjectName(QStringLiteral("RadioGroup_fb"));
    RadioGroup_fb->setEnabled(false);
    mIceButtons = new QButtonGroup(RadioGroup_fb);
    auto *iceRow = new QHBoxLayout(RadioGroup_fb);
    for (int index = 0; index < tools::kIceIndexCount; ++index) {
        auto *button = new QRadioButton(QStringLiteral("%1mm").arg(index * 5), RadioGroup_fb);
        mIceButtons->addButton(button, index);
        iceRow->addWidget(button);
    }
    mIceButtons->button(mModel.iceIndex())->setChecked(true);

    auto *grid = new QGridLayout(GroupBox_choice);
    grid->setHorizontalSpacing(8);
    grid->addWidget(label(QStringLiteral("绝缘子片型号"), GroupBox_choice), 0, 0);
    grid->addWidget(ComboBox_jyzxh, 0, 1);
    grid->addWidget(label(QStringLiteral("绝缘子片数"), GroupBox_choice, Qt::AlignRight | Qt::AlignVCenter), 0, 2);
    grid->addWidget(CSpinEdit_jyz_ps, 0, 3);
    grid->addWidget(label(QStringLiteral("常用金具串组合"), GroupBox_choice), 1, 0);
    grid->addWidget(ComboBox_jjxh, 1, 1, 1, 3);
    grid->addWidget(RadioGroup_fb, 2, 0, 1, 4);
    grid->setColumnStretch(1, 1);
}

void TForm_jyz::buildResultGroup()
{
    GroupBox_result = new QGroupBox(QStringLiteral("组合绝缘子串参数    (冰厚15mm及以上时数据不全)"), this);
    GroupBox_result->setObjectName(QStringLiteral("GroupBox_result"));

    Edit_jyzc_xh = resultEdit(QStringLiteral("Edit_jyzc_xh"), GroupBox_result);
    Edit_jyza_l = resultEdit(QStringLiteral("Edit_jyza_l"), GroupBox_result);
    Edit_jyza_kg = resultEdit(QStringLiteral("Edit_jyza_kg"), GroupBox_result);
    Edit_jyza_kgb = resultEdit(QStringLiteral("Edit_jyza_kgb"), GroupBox_result);
    Edit_jyza_f1 = resultEdit(QStringLiteral("Edit_jyza_f1"), GroupBox_result);
    Edit_jyza_f2 = resultEdit(QStringLiteral("Edit_jyza_f2"), GroupBox_result);

    auto *grid = new QGridLayout(GroupBox_result);
    grid->setHorizontalSpacing(8);
    grid->addWidget(label(QStringLiteral("选择绝缘子串型号"), GroupBox_result), 0, 0);
    grid->addWidget(Edit_jyzc_xh, 0, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("长度(mm)"), GroupBox_result), 1, 0);
    grid->addWidget(Edit_jyza_l, 1, 1);
    grid->addWidget(label(QStringLiteral("重量(kg)"), GroupBox_result, Qt::AlignCenter), 2, 1);
    grid->addWidget(label(QStringLiteral("受风面积(m2)"), GroupBox_result, Qt::AlignCenter), 2, 2);
    grid->addWidget(label(QStringLiteral("无冰时"), GroupBox_result), 3, 0);
    grid->addWidget(Edit_jyza_kg, 3, 1);
    grid->addWidget(Edit_jyza_f1, 3, 2);
    grid->addWidget(label(QStringLiteral("覆冰时"), GroupBox_result), 4, 0);
    grid->addWidget(Edit_jyza_kgb, 4, 1);
    grid->addWidget(Edit_jyza_f2, 4, 2);
    // Empty where the tables stop (15 and 20 mm): said in the box, never shown as 0.
    for (QLineEdit *iced : {Edit_jyza_kgb, Edit_jyza_f2})
        iced->setPlaceholderText(QStringLiteral("无覆冰数据"));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
}

void TForm_jyz::showResult()
{
    const tools::ComposedString &result = mModel.result();
    Edit_jyzc_xh->setText(QString::fromStdString(result.stringType));
    Edit_jyza_l->setText(QString::fromStdString(result.stringLength));
    Edit_jyza_kg->setText(QString::fromStdString(result.stringWeight));
    Edit_jyza_kgb->setText(QString::fromStdString(result.stringIcedWeight));
    Edit_jyza_f1->setText(QString::fromStdString(result.stringWindArea));
    Edit_jyza_f2->setText(QString::fromStdString(result.stringIcedWindArea));
}

void TForm_jyz::showIceIndex(int iceIndex)
{
    mModel.showIceIndex(iceIndex);
    mIceButtons->button(iceIndex)->setChecked(true);
}

void TForm_jyz::ComboBox_jyzxhChange(int index)
{
    if (index < 0)
        return;
    mModel.selectDiscModel(index);
    showResult();
}

void TForm_jyz::ComboBox_jjxhChange(int index)
{
    if (index < 0)
        return;
    mModel.selectFittingSet(index);
    showResult();
}

void TForm_jyz::CSpinEdit_jyz_psChange(const QString &text)
{
    mModel.setDiscCountText(text.toStdString());
    showResult();
}

void TForm_jyz::CSpinEdit_jyz_psExit()
{
    mModel.finishDiscCount();
    const QSignalBlocker quiet(CSpinEdit_jyz_ps);
    CSpinEdit_jyz_ps->setValue(tools::discCountOf(mModel.discCountText()));
    showResult();
}

bool TForm_jyz::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CSpinEdit_jyz_ps && event->type() == QEvent::KeyPress
        && !discCountTakes(*static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}
