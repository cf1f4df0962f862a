#include "options/dialog/optionsdialog.h"

#include "common/checkmessages.h"
#include "common/messenger.h"
#include "common/widgets/usersettings.h"
#include "engine/numberformatting.h"
#include "options/model/optionstexts.h"
#include "options/model/typicalzonetable.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QFormLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

// The dialog's client area, pixels.
constexpr int dialogWidth = 361;
constexpr int dialogHeight = 357;

constexpr int kGridRowHeight = 20;
/// Room around a cell's text, pixels.
constexpr int gridCellPadding = 12;

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kDesignCheckKey = QStringLiteral("designCheck/options");

bool isInside(const QWidget *widget, const QWidget *container)
{
    return widget && (widget == container || container->isAncestorOf(widget));
}

} // namespace

TForm_xuan_xiang::TForm_xuan_xiang(common::Messenger &messenger, QWidget *parent, std::filesystem::path optionsFile)
    : QDialog(parent)
    , mMessenger(messenger)
    , mModel(std::move(optionsFile))
{
    setObjectName(QStringLiteral("Form_xuan_xiang"));
    setWindowTitle(QStringLiteral("选项设置"));
    setFixedSize(dialogWidth, dialogHeight);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = buildConditionsPage();
    TabSheet2 = buildMarkingPage();
    TabSheet3 = buildDesignCheckPage();
    TabSheet4 = buildShortCircuitPage();
    TabSheet5 = buildClearancePage();
    PageControl1->addTab(TabSheet1, QStringLiteral("气象条件"));
    PageControl1->addTab(TabSheet2, QStringLiteral("计算温度及划印状态设置"));
    PageControl1->addTab(TabSheet3, QStringLiteral("设计校核"));
    PageControl1->addTab(TabSheet4, QStringLiteral("短路校验"));
    PageControl1->addTab(TabSheet5, QStringLiteral("间距校验"));
    PageControl1->setCurrentIndex(0);

    Button_resume = new QPushButton(QStringLiteral("恢复设置"), this);
    Button_resume->setObjectName(QStringLiteral("Button_resume"));
    Button_resume->setToolTip(QStringLiteral("恢复到程序初始设置的参数."));
    Button_resume->setAutoDefault(false);
    // "确定" checks and saves before it closes, so the row is not the plain
    // accept/reject row of the other dialogs.
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(Button_resume, QDialogButtonBox::ResetRole);
    BitBtn_YES = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    BitBtn_YES->setObjectName(QStringLiteral("BitBtn_YES"));
    BitBtn_YES->setDefault(true);
    BitBtn_NO = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    BitBtn_NO->setObjectName(QStringLiteral("BitBtn_NO"));
    BitBtn_NO->setAutoDefault(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(PageControl1);
    layout->addWidget(buttons);

    fillConditionGrid();
    fitConditionGrid();
    const std::string damage = mModel.startUp();
    showModel();
    // Said once, at start: "确定" will write the file anew.
    if (!damage.empty())
        mMessenger.show({damage + ". 能读出的设置已恢复,其余为程序初始设置.", "选项设置", common::MessageIcon::Warning,
                         common::MessageButtons::Ok});
    loadDesignChecks();
    showDesignChecks();
    showShortCircuit(mShortCircuit);
    showClearances(mClearances);

    connect(ComboBox1, &QComboBox::activated, this, &TForm_xuan_xiang::ComboBox1Change);
    connect(mIceButtons, &QButtonGroup::idClicked, this, &TForm_xuan_xiang::RadioGroup_fbClick);
    connect(SGrid_qx, &QTableWidget::cellChanged, this, &TForm_xuan_xiang::gridCellEdited);
    for (int i = 0; i < options::kMarkingTemperatureCount; ++i)
        connect(Edit_AZT[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this,
                [this, i](const QString &text) { markingTemperatureEdited(i, text); });
    for (int i = 0; i < options::kMarkingTemperatureCount; ++i) {
        QLineEdit *edit = Edit_AZT[static_cast<std::size_t>(i)];
        connect(edit, &QLineEdit::editingFinished, this, [this, i, edit] { markingTemperatureFinished(i, edit->text()); });
    }
    for (int box = 0; box < options::markingStateCount; ++box)
        connect(CheckBox_huayin[static_cast<std::size_t>(box)], &QCheckBox::clicked, this,
                [this, box](bool ticked) { markingStateClicked(box, ticked); });
    for (int i = 0; i < options::designCheckFieldCount; ++i)
        connect(Edit_jiaohe[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this, [this, i](const QString &text) {
            options::designCheckFieldText(mDesignChecks, static_cast<options::DesignCheckField>(i)) = text.toStdString();
        });
    for (int i = 0; i < options::shortCircuitFieldCount; ++i)
        connect(Edit_duanlu[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this, [this, i](const QString &text) {
            options::shortCircuitFieldText(mShortCircuit, static_cast<options::ShortCircuitField>(i)) = text.toStdString();
        });
    for (int i = 0; i < options::clearanceFieldCount; ++i)
        connect(Edit_jianju[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this, [this, i](const QString &text) {
            options::clearanceFieldText(mClearances, static_cast<options::ClearanceField>(i)) = text.toStdString();
        });
    connect(CheckBox_jiaohe, &QCheckBox::toggled, this, [this](bool ticked) { mDesignChecks.includeCheckPage = ticked; });
    connect(Button_resume, &QPushButton::clicked, this, &TForm_xuan_xiang::Button_resumeClick);
    connect(BitBtn_YES, &QPushButton::clicked, this, &TForm_xuan_xiang::BitBtn_YESClick);
    connect(BitBtn_NO, &QPushButton::clicked, this, &TForm_xuan_xiang::reject);
    connect(qApp, &QApplication::focusChanged, this, &TForm_xuan_xiang::focusMoved);
}

QWidget *TForm_xuan_xiang::buildConditionsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));

    Label1 = new QLabel(QStringLiteral("选择典型气象区"), page);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new QComboBox(page);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const options::TypicalZone &zone : options::typicalZoneTable())
        ComboBox1->addItem(fromUtf8(zone.name));
    ComboBox1->setMaxVisibleItems(options::typicalZoneCount);
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setMinimumWidth(96);
    Label1->setBuddy(ComboBox1);

    Label_note = new QLabel(QStringLiteral("注:最高温度填导线最高运行温度。"), page);
    Label_note->setObjectName(QStringLiteral("Label_note"));
    Label_note->setStyleSheet(QStringLiteral("color: #0000ff;"));

    SGrid_qx = new QTableWidget(options::conditionRows, options::conditionColumns, page);
    SGrid_qx->setObjectName(QStringLiteral("SGrid_qx"));
    SGrid_qx->horizontalHeader()->hide();
    SGrid_qx->verticalHeader()->hide();
    SGrid_qx->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    SGrid_qx->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    SGrid_qx->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SGrid_qx->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SGrid_qx->setSelectionMode(QAbstractItemView::SingleSelection);
    SGrid_qx->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                              | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    SGrid_qx->setTabKeyNavigation(true);

    RadioGroup_fb = new QGroupBox(QStringLiteral("覆冰厚度"), page);
    RadioGroup_fb->setObjectName(QStringLiteral("RadioGroup_fb"));
    mIceButtons = new QButtonGroup(RadioGroup_fb);
    auto *iceLayout = new QVBoxLayout(RadioGroup_fb);
    for (int index = 0; index < options::kIceIndexCount; ++index) {
        auto *button = new QRadioButton(QStringLiteral("%1mm").arg(index * options::kIceThicknessStep_mm),
                                        RadioGroup_fb);
        mIceButtons->addButton(button, index);
        iceLayout->addWidget(button);
    }
    iceLayout->addStretch();

    auto *zoneRow = new QHBoxLayout;
    zoneRow->addWidget(Label1);
    zoneRow->addWidget(ComboBox1);
    zoneRow->addStretch();
    auto *gridRow = new QHBoxLayout;
    gridRow->addWidget(SGrid_qx, 0, Qt::AlignTop);
    gridRow->addWidget(RadioGroup_fb);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(zoneRow);
    layout->addWidget(Label_note);
    layout->addLayout(gridRow);
    layout->addStretch();
    return page;
}

QWidget *TForm_xuan_xiang::buildMarkingPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));

    GroupBox_azt = new QGroupBox(QStringLiteral("安装划印计算温度"), page);
    GroupBox_azt->setObjectName(QStringLiteral("GroupBox_azt"));
    auto *temperatures = new QHBoxLayout(GroupBox_azt);
    temperatures->setSpacing(4);
    for (int i = 0; i < options::kMarkingTemperatureCount; ++i) {
        auto *edit = new QLineEdit(GroupBox_azt);
        edit->setObjectName(QStringLiteral("Edit_AZT%1").arg(i + 1));
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaxLength(11);
        edit->setToolTip(QStringLiteral("第%1个安装划印计算温度(℃)").arg(i + 1));
        Edit_AZT[static_cast<std::size_t>(i)] = edit;
        temperatures->addWidget(edit);
    }

    GroupBox_huayin = new QGroupBox(QStringLiteral("划印状态时"), page);
    GroupBox_huayin->setObjectName(QStringLiteral("GroupBox_huayin"));
    auto *states = new QVBoxLayout(GroupBox_huayin);
    for (int box = 0; box < options::markingStateCount; ++box) {
        auto *check = new QCheckBox(fromUtf8(options::MarkingStates::caption(box)), GroupBox_huayin);
        check->setObjectName(QStringLiteral("CheckBox_huayin%1").arg(box + 1));
        CheckBox_huayin[static_cast<std::size_t>(box)] = check;
        states->addWidget(check);
    }

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(10);
    layout->addWidget(GroupBox_azt);
    layout->addWidget(GroupBox_huayin);
    layout->addStretch();
    return page;
}

QWidget *TForm_xuan_xiang::buildDesignCheckPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));

    CheckBox_jiaohe = new QCheckBox(QStringLiteral("输出设计校核页"), page);
    CheckBox_jiaohe->setObjectName(QStringLiteral("CheckBox_jiaohe"));
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 0; i < options::designCheckFieldCount; ++i) {
        auto *edit = new QLineEdit(page);
        edit->setObjectName(QStringLiteral("Edit_jiaohe%1").arg(i + 1));
        edit->setMaxLength(16);
        Edit_jiaohe[static_cast<std::size_t>(i)] = edit;
        form->addRow(QString::fromUtf8(options::designCheckFieldLabel(static_cast<options::DesignCheckField>(i))),
                     edit);
    }
    auto *note = new QLabel(QStringLiteral("额定强度留空时按导线型号和绝缘子串型号取值;\n安全系数按DL/T 5222."), page);
    note->setObjectName(QStringLiteral("Label_jiaohe"));
    note->setStyleSheet(QStringLiteral("color: #0000ff;"));

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(CheckBox_jiaohe);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addStretch();
    return page;
}

QWidget *TForm_xuan_xiang::buildShortCircuitPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setVerticalSpacing(3);
    for (int i = 0; i < options::shortCircuitFieldCount; ++i) {
        const auto field = static_cast<options::ShortCircuitField>(i);
        auto *edit = new QLineEdit(page);
        edit->setObjectName(QStringLiteral("Edit_duanlu%1").arg(i + 1));
        edit->setMaxLength(16);
        if (const char *blank = options::shortCircuitBlankMeaning(field))
            edit->setPlaceholderText(QString::fromUtf8(blank));
        Edit_duanlu[static_cast<std::size_t>(i)] = edit;
        form->addRow(QString::fromUtf8(options::shortCircuitFieldLabel(field)), edit);
    }

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

void TForm_xuan_xiang::showShortCircuit(const options::ShortCircuitOptions &shortCircuit)
{
    mShortCircuit = shortCircuit;
    for (int i = 0; i < options::shortCircuitFieldCount; ++i)
        Edit_duanlu[static_cast<std::size_t>(i)]->setText(
            fromUtf8(options::shortCircuitFieldText(mShortCircuit, static_cast<options::ShortCircuitField>(i))));
}

QWidget *TForm_xuan_xiang::buildClearancePage()
{
    using Field = options::ClearanceField;
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet5"));
    const auto newEdit = [this, page](Field field) {
        auto *edit = new QLineEdit(page);
        edit->setObjectName(QStringLiteral("Edit_jianju%1").arg(static_cast<int>(field) + 1));
        edit->setMaxLength(field == Field::codeReference ? 100 : 16);
        Edit_jianju[static_cast<std::size_t>(field)] = edit;
        return edit;
    };

    auto *layoutForm = new QFormLayout;
    layoutForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layoutForm->setVerticalSpacing(3);
    for (const Field field : {Field::phaseSpacing, Field::earthDistance, Field::halfWidth}) {
        QLineEdit *edit = newEdit(field);
        edit->setPlaceholderText(field == Field::halfWidth ? QStringLiteral("单根导线取其半径")
                                                           : QStringLiteral("留空则不校核"));
        layoutForm->addRow(QString::fromUtf8(options::clearanceFieldLabel(field)), edit);
    }

    // The required distances as the code tabulates them: a condition a row,
    // phase to phase and phase to earth side by side.
    auto *required = new QGroupBox(QStringLiteral("要求的最小电气距离(m),留空则不校核"), page);
    auto *grid = new QGridLayout(required);
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel(QStringLiteral("相间"), required), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("对地"), required), 0, 2, Qt::AlignCenter);
    const struct
    {
        const char *condition;
        Field phaseToPhase;
        Field phaseToEarth;
    } rows[] = {
        {"雷电电压", Field::phaseToPhaseLightning, Field::phaseToEarthLightning},
        {"操作电压", Field::phaseToPhaseSwitching, Field::phaseToEarthSwitching},
        {"工频电压", Field::phaseToPhasePowerFrequency, Field::phaseToEarthPowerFrequency},
        {"短路", Field::phaseToPhaseShortCircuit, Field::phaseToEarthShortCircuit},
    };
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(new QLabel(QString::fromUtf8(rows[row].condition), required), row + 1, 0);
        grid->addWidget(newEdit(rows[row].phaseToPhase), row + 1, 1);
        grid->addWidget(newEdit(rows[row].phaseToEarth), row + 1, 2);
    }

    auto *referenceForm = new QFormLayout;
    QLineEdit *reference = newEdit(Field::codeReference);
    reference->setPlaceholderText(QStringLiteral("规范名称及条文,照印于计算书"));
    referenceForm->addRow(QString::fromUtf8(options::clearanceFieldLabel(Field::codeReference)), reference);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(layoutForm);
    layout->addWidget(required);
    layout->addLayout(referenceForm);
    layout->addStretch();
    return page;
}

void TForm_xuan_xiang::showClearances(const options::ClearanceOptions &clearances)
{
    mClearances = clearances;
    for (int i = 0; i < options::clearanceFieldCount; ++i)
        Edit_jianju[static_cast<std::size_t>(i)]->setText(
            fromUtf8(options::clearanceFieldText(mClearances, static_cast<options::ClearanceField>(i))));
}

void TForm_xuan_xiang::showDesignChecks()
{
    const QSignalBlocker quiet(CheckBox_jiaohe);
    CheckBox_jiaohe->setChecked(mDesignChecks.includeCheckPage);
    for (int i = 0; i < options::designCheckFieldCount; ++i)
        Edit_jiaohe[static_cast<std::size_t>(i)]->setText(
            fromUtf8(options::designCheckFieldText(mDesignChecks, static_cast<options::DesignCheckField>(i))));
}

void TForm_xuan_xiang::showCatalogueStrengths(const options::CatalogueStrengths &strengths)
{
    const std::optional<double> values[] = {strengths.conductor_N, strengths.stringA_kN, strengths.stringB_kN};
    for (int i = 0; i < 3; ++i) {
        const QString hint = values[i] ? QStringLiteral("按型号: ") + fromUtf8(engine::formatGeneral(*values[i]))
                                       : QStringLiteral("型号无数据,请填写");
        Edit_jiaohe[static_cast<std::size_t>(i)]->setPlaceholderText(hint);
    }
}

// Settings that cannot be read are left alone rather than replaced: the
// defaults apply to this run and the stored text stays until "确定".
void TForm_xuan_xiang::loadDesignChecks()
{
    const QByteArray stored = common::UserSettings().value(kDesignCheckKey).toString().toUtf8();
    if (stored.isEmpty())
        return;
    try {
        mDesignChecks = options::designCheckOptionsFromJson(nlohmann::json::parse(stored.toStdString()));
    } catch (const std::exception &) {
        mDesignChecks = options::DesignCheckOptions{};
    }
}

void TForm_xuan_xiang::saveDesignChecks() const
{
    common::UserSettings settings;
    settings.setValue(kDesignCheckKey, fromUtf8(options::designCheckOptionsToJson(mDesignChecks).dump()));
    settings.sync();
}

void TForm_xuan_xiang::showRefusal(const std::string &message, QWidget *page, QLineEdit *field)
{
    common::showError(mMessenger, message, common::optionsCaption);
    PageControl1->setCurrentWidget(page);
    field->setFocus();
}

bool TForm_xuan_xiang::designChecksRefused()
{
    const std::optional<options::DesignCheckField> bad = options::firstBadDesignCheckField(mDesignChecks);
    if (!bad)
        return false;
    showRefusal(options::badDesignCheckFieldMessage(*bad), TabSheet3, Edit_jiaohe[static_cast<std::size_t>(*bad)]);
    return true;
}

bool TForm_xuan_xiang::shortCircuitRefused()
{
    const std::optional<options::ShortCircuitField> bad = options::firstBadShortCircuitField(mShortCircuit);
    if (!bad)
        return false;
    showRefusal(options::badShortCircuitFieldMessage(*bad), TabSheet4, Edit_duanlu[static_cast<std::size_t>(*bad)]);
    return true;
}

bool TForm_xuan_xiang::clearancesRefused()
{
    const std::optional<options::ClearanceField> bad =
        options::firstBadClearanceField(mClearances, options::isShortCircuitAsked(mShortCircuit));
    if (!bad)
        return false;
    showRefusal(options::badClearanceFieldMessage(*bad), TabSheet5, Edit_jianju[static_cast<std::size_t>(*bad)]);
    return true;
}

void TForm_xuan_xiang::fillConditionGrid()
{
    const QColor fixedBackground = palette().color(QPalette::Button);
    for (int row = 0; row < options::conditionRows; ++row) {
        for (int column = 0; column < options::conditionColumns; ++column) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (!options::isDataCell({column, row})) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(fixedBackground);
            }
            SGrid_qx->setItem(row, column, item);
        }
    }
}

void TForm_xuan_xiang::fitConditionGrid()
{
    // Columns as wide as their longest built-in text in the grid's font, and
    // no scrolling: the nine conditions always show whole.
    const QFontMetrics metrics(SGrid_qx->font());
    int gridWidth = 2 * SGrid_qx->frameWidth();
    for (int column = 0; column < options::conditionColumns; ++column) {
        int width = 0;
        for (int row = 0; row < options::conditionRows; ++row)
            width = std::max(width, metrics.horizontalAdvance(fromUtf8(mModel.conditionText({column, row}))));
        SGrid_qx->setColumnWidth(column, width + gridCellPadding);
        gridWidth += width + gridCellPadding;
    }
    SGrid_qx->setFixedSize(gridWidth, options::conditionRows * kGridRowHeight + 2 * SGrid_qx->frameWidth());
}

void TForm_xuan_xiang::showModel()
{
    mShowingModel = true;
    for (int row = 0; row < options::conditionRows; ++row)
        for (int column = 0; column < options::conditionColumns; ++column)
            SGrid_qx->item(row, column)->setText(fromUtf8(mModel.conditionText({column, row})));
    const std::optional<int> zone = mModel.zoneIndex();
    ComboBox1->setCurrentIndex(zone ? *zone : -1);
    mIceButtons->button(mModel.iceIndex())->setChecked(true);
    for (int i = 0; i < options::kMarkingTemperatureCount; ++i)
        Edit_AZT[static_cast<std::size_t>(i)]->setText(fromUtf8(mModel.markingTemperatureText(i)));
    showMarkingStates();
    mShowingModel = false;
}

void TForm_xuan_xiang::showMarkingStates()
{
    const options::MarkingStates &states = mModel.markingStates();
    for (int box = 0; box < options::markingStateCount; ++box) {
        QCheckBox *check = CheckBox_huayin[static_cast<std::size_t>(box)];
        check->setChecked(states.isTicked(box));
        check->setEnabled(states.isEnabled(box));
    }
}

void TForm_xuan_xiang::selectGridCell(options::GridCell cell)
{
    PageControl1->setCurrentWidget(TabSheet1);
    SGrid_qx->setCurrentCell(cell.row, cell.column);
    SGrid_qx->setFocus(Qt::OtherFocusReason);
}

options::OptionsTexts TForm_xuan_xiang::optionsTexts() const
{
    return options::calculationTexts(mModel);
}

void TForm_xuan_xiang::ComboBox1Change(int index)
{
    mModel.chooseZone(index);
    showModel();
}

void TForm_xuan_xiang::RadioGroup_fbClick(int index)
{
    mModel.setIceIndex(index);
}

void TForm_xuan_xiang::gridCellEdited(int row, int column)
{
    if (mShowingModel || !options::isDataCell({column, row}))
        return;
    mModel.setConditionText({column, row}, SGrid_qx->item(row, column)->text().toStdString());
}

void TForm_xuan_xiang::markingTemperatureEdited(int index, const QString &text)
{
    // An empty box and a lone minus are the way to a new number: replaced by
    // the default at once, the next digit would join the default ("40" and
    // "-12" giving "4012"). They are settled when the user leaves the box.
    if (text.isEmpty() || text == QLatin1String("-"))
        return;
    markingTemperatureFinished(index, text);
}

void TForm_xuan_xiang::markingTemperatureFinished(int index, const QString &text)
{
    mModel.setMarkingTemperatureText(index, text.toStdString());
    const QString shown = fromUtf8(mModel.markingTemperatureText(index));
    QLineEdit *edit = Edit_AZT[static_cast<std::size_t>(index)];
    if (edit->text() != shown)
        edit->setText(shown);
}

void TForm_xuan_xiang::markingStateClicked(int box, bool ticked)
{
    mModel.setMarkingState(box, ticked);
    showMarkingStates();
}

void TForm_xuan_xiang::focusMoved(QWidget *from, QWidget *to)
{
    // Only a move to another control of this dialog counts as leaving the
    // grid: not a message box, another window or the window losing the
    // focus. The two buttons check the grid themselves ("确定") or replace
    // it ("恢复设置"), so a message there would only interrupt their click.
    if (!isInside(from, SGrid_qx) || !to || isInside(to, SGrid_qx) || !isAncestorOf(to))
        return;
    if (to == BitBtn_YES || to == Button_resume)
        return;
    // After the focus change has settled, so that an edit in progress has
    // reached the model and the click that moved the focus is complete.
    QTimer::singleShot(0, this, &TForm_xuan_xiang::SGrid_qxExit);
}

void TForm_xuan_xiang::SGrid_qxExit()
{
    if (mModel.checkConditionGrid(mMessenger))
        return;
    selectGridCell(mModel.selectedCell());
}

void TForm_xuan_xiang::Button_resumeClick()
{
    if (mModel.restoreDefaults(mMessenger))
        showModel();
}

void TForm_xuan_xiang::showSettings(const options::OptionsTexts &texts, const options::ReservedNumbers &reserved)
{
    options::showCalculationTexts(mModel, texts);
    mModel.setReservedNumbers(reserved);
    showModel();
}

void TForm_xuan_xiang::showEvent(QShowEvent *event)
{
    if (!mShownWith)
        mShownWith = ShownSettings{optionsTexts(), options::reservedNumbers(mModel.snapshot()), mDesignChecks,
                                   mShortCircuit, mClearances};
    QDialog::showEvent(event);
}

void TForm_xuan_xiang::reject()
{
    if (mShownWith) {
        showSettings(mShownWith->texts, mShownWith->reserved);
        mDesignChecks = mShownWith->checks;
        showDesignChecks();
        showShortCircuit(mShownWith->shortCircuit);
        showClearances(mShownWith->clearances);
        mShownWith.reset();
    }
    QDialog::reject();
}

void TForm_xuan_xiang::BitBtn_YESClick()
{
    if (designChecksRefused() || shortCircuitRefused() || clearancesRefused())
        return;
    saveDesignChecks();
    switch (mModel.saveOptionsFile(mMessenger)) {
    case options::SaveOutcome::BadCell:
        selectGridCell(mModel.selectedCell());
        return;
    case options::SaveOutcome::Saved:
    case options::SaveOutcome::WriteFailed:
        // A failed write has been reported; the settings still apply to this run.
        mShownWith.reset();
        accept();
        return;
    }
}
