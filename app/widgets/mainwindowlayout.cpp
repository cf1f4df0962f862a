// The main window's controls: where each sits, what it shows at first and
// which handler each of its events calls.
#include "app/widgets/mainwindow.h"

#include "app/model/conductorcatalogue.h"
#include "app/model/inputchecks.h"
#include "app/model/insulatorstringcatalogue.h"
#include "app/widgets/loadgriddelegate.h"
#include "common/widgets/dropdownstyle.h"
#include "common/widgets/qtutf8.h"
#include "engine/calculationinput.h"
#include "report/inputsketch.h"
#include "report/pagepainter.h"
#include "report/reportpage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolButton>

#include <utility>
#include <vector>

using app::EditBox;
using app::PresenceBox;
using app::StringSide;
using common::toQString;
using common::toUtf8;
namespace loadtable = app::loadtable;

namespace {

constexpr int clientWidth = 864;
constexpr int clientHeight = 651;
/// The panel of the governing figures beside the form, with the form's margin on its right.
constexpr int governingPanelWidth = 232;
constexpr int formMargin = 8;

constexpr int gridColumnWidth = 117;
constexpr int gridRowHeight = 20;
constexpr int presenceBoxSize = 17;
// Group coordinates of the first presence box beside a label column of 117;
// each further one is a column to the right.
constexpr int presenceBoxTop = 26;
constexpr int firstPresenceBoxLeft = 224;

constexpr int editHeight = 21;
constexpr int listHeight = 22;

constexpr std::array<const char *, app::editBoxCount> editNames{
    "Edit_bt",      "Edit_L",       "Edit_h",       "Edit_f",        "Edit_jxd",     "Edit_dx_d",
    "Edit_dx_ax",   "Edit_dx_E",    "Edit_dx_S",    "Edit_dx_kg",    "Edit_dx_flgs", "Edit_dx_cdj",
    "Edit_dx_flkg", "Edit_jyza_l",  "Edit_jyza_kg", "Edit_jyza_kgb", "Edit_jyza_f1", "Edit_jyza_f2",
    "Edit_jyzb_l",  "Edit_jyzb_kg", "Edit_jyzb_kgb", "Edit_jyzb_f1", "Edit_jyzb_f2",
};

constexpr std::array<const char *, app::presenceBoxCount> presenceBoxNames{
    "CheckBox_tx1", "CheckBox_yx1", "CheckBox_yx2", "CheckBox_yx3", "CheckBox_yx4", "CheckBox_tx2",
};

bool isNumericBox(EditBox box)
{
    return box != EditBox::Edit_bt && box != EditBox::Edit_dx_flgs;
}

/// The string-A box for side A, the matching string-B box for side B.
EditBox stringBox(StringSide side, EditBox stringABox)
{
    constexpr int boxesPerString = 5;
    const int offset = side == StringSide::B ? boxesPerString : 0;
    return static_cast<EditBox>(static_cast<int>(stringABox) + offset);
}

QLabel *addLabel(QWidget *parent, const QString &text, const QRect &bounds,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(bounds);
    label->setAlignment(alignment);
    return label;
}

/**
 * Width of the load grid's label column: the load columns' 117, or more where
 * a row label in \a gridFont would not fit whole ("相对距离(m)  L1 - L4" in
 * the Song face at 9 points needs about 126).
 */
int labelColumnWidth(const QFont &gridFont)
{
    // The cell's text margins and a little room.
    constexpr int padding = 8;
    const QFontMetrics metrics(gridFont);
    int width = gridColumnWidth;
    for (int row = 0; row < loadtable::rowCount; ++row) {
        const QString label = toQString(app::LoadTableDefaults[static_cast<std::size_t>(loadtable::cellIndex(0, row))]);
        width = std::max(width, metrics.horizontalAdvance(label) + padding);
    }
    return width;
}

} // namespace

TForm_zcx::TForm_zcx(common::Messenger &messenger, common::DialogRunner &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , mMessenger(messenger)
    , mDialogs(dialogs)
{
    setObjectName(QStringLiteral("Form_zcx"));
    buildMenu();
    // The form keeps its size and places; the window grows by the menu bar.
    const int menuHeight = MainMenu->sizeHint().height();
    const int windowWidth = clientWidth + governingPanelWidth + formMargin;
    MainMenu->setGeometry(0, 0, windowWidth, menuHeight);
    mForm = new QWidget(this);
    mForm->setObjectName(QStringLiteral("Form_zcxClient"));
    mForm->setGeometry(0, menuHeight, clientWidth, clientHeight);
    setFixedSize(windowWidth, clientHeight + menuHeight);

    buildSketch();
    buildProjectBasics();
    buildCommandButtons();
    buildConductorGroup();
    buildStringGroup(StringSide::A, 304);
    buildStringGroup(StringSide::B, 584);
    buildLoadGroup();
    buildGoverningPanel(menuHeight);

    FormCreate();
    arrangeTabOrder();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TForm_zcx::~TForm_zcx() = default;

void TForm_zcx::buildSketch()
{
    ScrollBox1 = new QScrollArea(mForm);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(8, 8, 555, 225);
    ScrollBox1->setBackgroundRole(QPalette::Base);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);

    Image_bz = new QLabel;
    Image_bz->setObjectName(QStringLiteral("Image_bz"));
    Image_bz->setFixedSize(550, 221);
    Image_bz->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setWidget(Image_bz);

    report::ReportPage sketch(report::inputSketchWidth, report::inputSketchHeight);
    report::drawInputSketch(sketch);

    const qreal ratio = devicePixelRatioF();
    QPixmap picture(Image_bz->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    report::paintPage(painter, sketch, QRectF(0, 0, report::inputSketchWidth, report::inputSketchHeight));
    painter.end();
    Image_bz->setPixmap(picture);
}

QLineEdit *TForm_zcx::addEdit(QWidget *parent, EditBox box, const QRect &bounds)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(editNames[static_cast<int>(box)]));
    edit->setGeometry(bounds);
    mEdits[static_cast<int>(box)] = edit;

    if (isNumericBox(box)) {
        // Numbers only: no input method, no dropped text around the key filter.
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        edit->setAcceptDrops(false);
        edit->installEventFilter(this);
    }
    // The catalogue boxes take typing only for a custom conductor: showConductor() sets them.
    if (hasExitCheck(box))
        edit->installEventFilter(this);

    connect(edit, &QLineEdit::textEdited, this, [this, box](const QString &text) { EditChange(box, text); });
    return edit;
}

void TForm_zcx::buildProjectBasics()
{
    GroupBox_jbqk = new QGroupBox(QStringLiteral("项目基本情况"), mForm);
    GroupBox_jbqk->setObjectName(QStringLiteral("GroupBox_jbqk"));
    GroupBox_jbqk->setGeometry(576, 8, 195, 225);

    addLabel(GroupBox_jbqk, QStringLiteral("跨线名称"), QRect(8, 20, 169, 16));
    QLineEdit *name = addEdit(GroupBox_jbqk, EditBox::Edit_bt, QRect(8, 38, 179, editHeight));
    name->setMaxLength(app::spanNameMaxLength);

    constexpr int firstRowTop = 70;
    constexpr int rowPitch = 29;
    const QRect labelBounds(8, firstRowTop, 100, editHeight);
    const QRect fieldBounds(108, firstRowTop, 79, editHeight);

    addLabel(GroupBox_jbqk, QStringLiteral("电压等级(kV)"), labelBounds);
    ComboBox_kV = new QComboBox(GroupBox_jbqk);
    ComboBox_kV->setObjectName(QStringLiteral("ComboBox_kV"));
    ComboBox_kV->setGeometry(fieldBounds.adjusted(0, 0, 0, listHeight - editHeight));
    for (std::string_view level : app::MainWindowModel::voltageLevels())
        ComboBox_kV->addItem(toQString(level));
    connect(ComboBox_kV, &QComboBox::activated, this, &TForm_zcx::ComboBox_kVChange);

    const std::array<std::pair<QString, EditBox>, 4> rows{{
        {QStringLiteral("跨距L  (m)"), EditBox::Edit_L},
        {QStringLiteral("高差 h (m)"), EditBox::Edit_h},
        {QStringLiteral("控制弧垂 f (m)"), EditBox::Edit_f},
        {QStringLiteral("检修点距左侧(m)"), EditBox::Edit_jxd},
    }};
    // The height difference's row also holds the list of the higher
    // structure, between its caption and its box.
    const QRect heightCaption(8, firstRowTop + 2 * rowPitch, 68, editHeight);
    const QRect higherStructureList(74, firstRowTop + 2 * rowPitch, 62, listHeight);
    const QRect heightBox(138, firstRowTop + 2 * rowPitch, 49, editHeight);
    int top = 0;
    for (const auto &[caption, box] : rows) {
        top += rowPitch;
        const bool height = box == EditBox::Edit_h;
        addLabel(GroupBox_jbqk, caption, height ? heightCaption : labelBounds.translated(0, top));
        addEdit(GroupBox_jbqk, box, height ? heightBox : fieldBounds.translated(0, top));
    }

    ComboBox_gd = new QComboBox(GroupBox_jbqk);
    ComboBox_gd->setObjectName(QStringLiteral("ComboBox_gd"));
    ComboBox_gd->setGeometry(higherStructureList);
    ComboBox_gd->addItem(QString::fromUtf8(engine::higherStructureText::structureA));
    ComboBox_gd->addItem(QString::fromUtf8(engine::higherStructureText::structureB));
    ComboBox_gd->setToolTip(QStringLiteral("较高的一侧架构: 该侧竖向分力加Htanγ, 另一侧减Htanγ"));
    connect(ComboBox_gd, &QComboBox::activated, this, &TForm_zcx::ComboBox_gdChange);
}

void TForm_zcx::buildCommandButtons()
{
    const auto addButton = [this](const char *name, const QString &caption, int top) {
        auto *button = new QPushButton(caption, mForm);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(776, top, 75, 25);
        return button;
    };
    Button_js = addButton("Button_js", QStringLiteral("计算"), 22);
    Button_help = addButton("Button_help", QStringLiteral("帮助"), 74);
    Button_option = addButton("Button_option", QStringLiteral("选项"), 134);
    Button_close = addButton("Button_close", QStringLiteral("退出"), 186);

    connect(Button_js, &QPushButton::clicked, this, &TForm_zcx::Button_jsClick);
    // F5, and Ctrl+Enter from any field, compute without reaching for the mouse.
    auto *calculate = new QAction(this);
    calculate->setObjectName(QStringLiteral("Action_calculate"));
    calculate->setShortcuts({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return),
                             QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    calculate->setShortcutContext(Qt::WindowShortcut);
    connect(calculate, &QAction::triggered, this, &TForm_zcx::Button_jsClick);
    addAction(calculate);
    Button_js->setToolTip(QStringLiteral("计算 (F5 或 Ctrl+Enter)"));
    auto *help = new QAction(this);
    help->setObjectName(QStringLiteral("Action_help"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    connect(help, &QAction::triggered, this, &TForm_zcx::Button_helpClick);
    addAction(help);
    Button_help->setToolTip(QStringLiteral("帮助 (F1)"));
    connect(Button_help, &QPushButton::clicked, this, &TForm_zcx::Button_helpClick);
    connect(Button_option, &QPushButton::clicked, this, &TForm_zcx::Button_optionClick);
    connect(Button_close, &QPushButton::clicked, this, &TForm_zcx::Button_closeClick);
}

void TForm_zcx::buildConductorGroup()
{
    GroupBox_dx = new QGroupBox(QStringLiteral("主导线参数"), mForm);
    GroupBox_dx->setObjectName(QStringLiteral("GroupBox_dx"));
    GroupBox_dx->setGeometry(8, 240, 289, 153);

    addLabel(GroupBox_dx, QStringLiteral("主导线型号"), QRect(8, 21, 70, listHeight));
    ComboBox_zdx = new QComboBox(GroupBox_dx);
    ComboBox_zdx->setObjectName(QStringLiteral("ComboBox_zdx"));
    ComboBox_zdx->setGeometry(80, 21, 141, listHeight);
    ComboBox_zdx->setMaxVisibleItems(20);
    // Typed designations never become items, nor are they completed to a
    // catalogue name the engineer did not type.
    ComboBox_zdx->setInsertPolicy(QComboBox::NoInsert);
    connect(ComboBox_zdx, &QComboBox::activated, this, &TForm_zcx::ComboBox_zdxChange);

    ToolButton_dxk = new QToolButton(GroupBox_dx);
    ToolButton_dxk->setObjectName(QStringLiteral("ToolButton_dxk"));
    ToolButton_dxk->setText(QStringLiteral("导线库"));
    ToolButton_dxk->setToolTip(QStringLiteral("自定义导线: 从导线库选取, 存入导线库或从中删除"));
    ToolButton_dxk->setGeometry(225, 21, 56, listHeight);
    ToolButton_dxk->setPopupMode(QToolButton::InstantPopup);
    Menu_dxk = new QMenu(ToolButton_dxk);
    Menu_dxk->setObjectName(QStringLiteral("Menu_dxk"));
    ToolButton_dxk->setMenu(Menu_dxk);
    connect(Menu_dxk, &QMenu::aboutToShow, this, &TForm_zcx::ToolButton_dxkShow);

    constexpr int firstRowTop = 50;
    constexpr int rowPitch = 25;
    struct Row
    {
        QString caption;
        EditBox box;
    };
    const std::array<Row, 4> catalogueRows{{
        {QStringLiteral("计算外径(mm)"), EditBox::Edit_dx_d},
        {QStringLiteral("温度线膨胀系数\n(10⁻⁶/℃)"), EditBox::Edit_dx_ax},
        {QStringLiteral("弹性模量(N/mm2)"), EditBox::Edit_dx_E},
        {QStringLiteral("单根截面(mm2)"), EditBox::Edit_dx_S},
    }};
    const std::array<Row, 4> bundleRows{{
        {QStringLiteral("单根自重(kg/m)"), EditBox::Edit_dx_kg},
        {QStringLiteral("分裂根数"), EditBox::Edit_dx_flgs},
        {QStringLiteral("次档距(m)"), EditBox::Edit_dx_cdj},
        {QStringLiteral("间隔棒重(kg)"), EditBox::Edit_dx_flkg},
    }};
    for (int index = 0; index < 4; ++index) {
        const int top = firstRowTop + index * rowPitch;
        const Row &left = catalogueRows[static_cast<std::size_t>(index)];
        if (left.caption.contains(u'\n')) {
            // The two lines of the expansion coefficient's caption, each a
            // label of its own 15 apart, centred on the box: one label would
            // set them without any gap.
            const QStringList lines = left.caption.split(u'\n');
            addLabel(GroupBox_dx, lines.front(), QRect(8, top - 5, 92, 15));
            addLabel(GroupBox_dx, lines.back(), QRect(8, top + 10, 92, 15));
        } else {
            addLabel(GroupBox_dx, left.caption, QRect(8, top, 92, editHeight));
        }
        addEdit(GroupBox_dx, left.box, QRect(98, top, 50, editHeight));

        const Row &right = bundleRows[static_cast<std::size_t>(index)];
        addLabel(GroupBox_dx, right.caption, QRect(154, top, 86, editHeight));
        addEdit(GroupBox_dx, right.box, QRect(238, top, 43, editHeight));
    }
    QLineEdit *spacerWeight = edit(EditBox::Edit_dx_flkg);
    spacerWeight->setToolTip(QStringLiteral("双击此处弹出辅助查询工具"));
    spacerWeight->installEventFilter(this);
}

void TForm_zcx::buildStringGroup(StringSide side, int left)
{
    const bool sideA = side == StringSide::A;
    auto *group = new QGroupBox(sideA ? QStringLiteral("绝缘子串A参数") : QStringLiteral("绝缘子串B参数"), mForm);
    group->setObjectName(sideA ? QStringLiteral("GroupBox_jyza") : QStringLiteral("GroupBox_jyzb"));
    group->setGeometry(left, 240, 273, 153);
    (sideA ? GroupBox_jyza : GroupBox_jyzb) = group;

    addLabel(group, QStringLiteral("选择绝缘子串型号"), QRect(8, 18, 200, 16));

    auto *list = new QComboBox(group);
    list->setObjectName(sideA ? QStringLiteral("ComboBox_jyza") : QStringLiteral("ComboBox_jyzb"));
    list->setGeometry(8, 36, 205, listHeight);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(20);
    mStringTypeLists[static_cast<int>(side)] = list;
    connect(list, &QComboBox::activated, this, [this, side](int index) { ComboBox_jyzChange(side, index); });
    connect(list->lineEdit(), &QLineEdit::textEdited, this,
            [this, side](const QString &text) { ComboBox_jyzEdited(side, text); });

    auto *query = new QPushButton(QStringLiteral("查询"), group);
    query->setObjectName(sideA ? QStringLiteral("Button_jyza") : QStringLiteral("Button_jyzb"));
    query->setGeometry(218, 35, 47, 24);
    mStringQueryButtons[static_cast<int>(side)] = query;
    connect(query, &QPushButton::clicked, this, [this, side] { Button_jyzClick(side); });

    addLabel(group, QStringLiteral("长度(mm)"), QRect(8, 65, 60, editHeight));
    addEdit(group, stringBox(side, EditBox::Edit_jyza_l), QRect(70, 65, 90, editHeight));

    addLabel(group, QStringLiteral("重量(kg)"), QRect(70, 88, 90, 16), Qt::AlignCenter);
    addLabel(group, QStringLiteral("受风面积(m2)"), QRect(168, 88, 97, 16), Qt::AlignCenter);
    addLabel(group, QStringLiteral("无冰时"), QRect(8, 105, 60, editHeight));
    addEdit(group, stringBox(side, EditBox::Edit_jyza_kg), QRect(70, 105, 90, editHeight));
    addEdit(group, stringBox(side, EditBox::Edit_jyza_f1), QRect(168, 105, 97, editHeight));
    addLabel(group, QStringLiteral("覆冰时"), QRect(8, 128, 60, editHeight));
    addEdit(group, stringBox(side, EditBox::Edit_jyza_kgb), QRect(70, 128, 90, editHeight));
    addEdit(group, stringBox(side, EditBox::Edit_jyza_f2), QRect(168, 128, 97, editHeight));
}

void TForm_zcx::buildLoadGroup()
{
    GroupBox_hz = new QGroupBox(QStringLiteral("跳线及引下线荷载表  (双击间隔棒或金具行可弹出查询工具)"), mForm);
    GroupBox_hz->setObjectName(QStringLiteral("GroupBox_hz"));
    // The frame ends 8 above the window's lower edge, as far as the groups
    // keep from its other edges, so that its lower line shows.
    GroupBox_hz->setGeometry(8, 403, 849, clientHeight - 403 - 8);

    SGrid_hz = new QTableWidget(loadtable::rowCount, loadtable::columnCount, GroupBox_hz);
    SGrid_hz->setObjectName(QStringLiteral("SGrid_hz"));
    SGrid_hz->setToolTip(QStringLiteral("双击相关行弹出查询工具框"));
    SGrid_hz->horizontalHeader()->hide();
    SGrid_hz->verticalHeader()->hide();
    SGrid_hz->horizontalHeader()->setMinimumSectionSize(gridRowHeight);
    SGrid_hz->verticalHeader()->setMinimumSectionSize(gridRowHeight);
    SGrid_hz->horizontalHeader()->setDefaultSectionSize(gridColumnWidth);
    SGrid_hz->verticalHeader()->setDefaultSectionSize(gridRowHeight);
    SGrid_hz->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SGrid_hz->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SGrid_hz->setSelectionMode(QAbstractItemView::SingleSelection);
    SGrid_hz->setTabKeyNavigation(true);
    const int labelColumn = labelColumnWidth(SGrid_hz->font());
    SGrid_hz->setColumnWidth(0, labelColumn);
    const int frame = 2 * SGrid_hz->frameWidth();
    SGrid_hz->setGeometry(8, 23, labelColumn + (loadtable::columnCount - 1) * gridColumnWidth + frame,
                          loadtable::rowCount * gridRowHeight + frame);

    const QBrush buttonFace = palette().brush(QPalette::Button);
    const QBrush labelText = palette().brush(QPalette::WindowText);
    for (int row = 0; row < loadtable::rowCount; ++row) {
        for (int column = 0; column < loadtable::columnCount; ++column) {
            auto *item = new QTableWidgetItem;
            const bool fixedCell = row == loadtable::headerRow || column == 0;
            if (fixedCell) {
                // Headers and row labels can be neither selected nor edited.
                item->setFlags(Qt::NoItemFlags);
                item->setBackground(buttonFace);
                item->setForeground(labelText);
            } else {
                Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
                if (app::MainWindowModel::isCellEditable(column, row))
                    flags |= Qt::ItemIsEditable;
                item->setFlags(flags);
                // Banding of every second field row eases reading across the six loads.
                if (row % 2 == 0)
                    item->setBackground(buttonFace);
            }
            SGrid_hz->setItem(row, column, item);
        }
    }
    // Current, but not highlighted, until the user comes to the grid.
    SGrid_hz->setCurrentCell(mModel.currentRow(), mModel.currentColumn(), QItemSelectionModel::NoUpdate);

    auto *delegate = new app::LoadGridDelegate([this](QLineEdit *editor) { gridEditorCreated(editor); }, SGrid_hz);
    SGrid_hz->setItemDelegate(delegate);
    connect(delegate, &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget *, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::RevertModelCache)
                    gridEditorReverted(SGrid_hz->currentColumn(), SGrid_hz->currentRow());
            });
    // Set after the first current cell, so that no editor is open before the user comes.
    SGrid_hz->setEditTriggers(QAbstractItemView::AllEditTriggers);
    // Typing on a cell that opens no editor must not search the grid (below).
    SGrid_hz->installEventFilter(this);

    connect(SGrid_hz, &QTableWidget::currentCellChanged, this, [this](int row, int column, int, int) {
        SGrid_hzSelectCell(column, row);
        SGrid_hzClick();
    });
    connect(SGrid_hz, &QTableWidget::cellClicked, this, [this] { SGrid_hzClick(); });
    connect(SGrid_hz, &QTableWidget::cellDoubleClicked, this, [this] { SGrid_hzDblClick(); });

    // A wider label column moves the load columns, and their boxes, to the right.
    const int presenceBoxLeft = firstPresenceBoxLeft + labelColumn - gridColumnWidth;
    for (int index = 0; index < app::presenceBoxCount; ++index) {
        auto *box = new QCheckBox(GroupBox_hz);
        box->setObjectName(QString::fromLatin1(presenceBoxNames[static_cast<std::size_t>(index)]));
        box->setGeometry(presenceBoxLeft + index * gridColumnWidth, presenceBoxTop, presenceBoxSize, presenceBoxSize);
        box->raise();
        mPresenceBoxes[static_cast<std::size_t>(index)] = box;
        const auto presence = static_cast<PresenceBox>(index);
        connect(box, &QCheckBox::clicked, this, [this, presence](bool ticked) { CheckBoxClick(presence, ticked); });
    }

    ComboBox_dx = new QComboBox(GroupBox_hz);
    ComboBox_dx->setObjectName(QStringLiteral("ComboBox_dx"));
    ComboBox_dx->setMaxVisibleItems(12);
    ComboBox_dx->hide();
    connect(ComboBox_dx, &QComboBox::activated, this, &TForm_zcx::ComboBox_dxChange);
}

void TForm_zcx::buildGoverningPanel(int top)
{
    // Beside the form, from the top of its sketch to the bottom of the load table.
    GroupBox_kzgk = new QGroupBox(QStringLiteral("控制工况"), this);
    GroupBox_kzgk->setObjectName(QStringLiteral("GroupBox_kzgk"));
    GroupBox_kzgk->setGeometry(clientWidth, top + formMargin, governingPanelWidth, clientHeight - 2 * formMargin);

    Label_kzgk = new QLabel(GroupBox_kzgk);
    Label_kzgk->setObjectName(QStringLiteral("Label_kzgk"));
    Label_kzgk->setGeometry(QRect(8, 20, governingPanelWidth - 16, clientHeight - 2 * formMargin - 28));
    Label_kzgk->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label_kzgk->setWordWrap(true);
    Label_kzgk->setTextFormat(Qt::RichText);
    Label_kzgk->setText(QStringLiteral("<p style=\"color:#808080\">计算后在此列出最大水平拉力、最大弧垂、最小安全系数"
                                       "和构架最大拉力及其工况.</p>"));
}

void TForm_zcx::fillCatalogueLists()
{
    for (const app::ConductorEntry &entry : app::conductorCatalogue()) {
        ComboBox_zdx->addItem(toQString(entry.typeName));
        ComboBox_dx->addItem(toQString(entry.typeName));
    }
    ComboBox_zdx->addItem(toQString(app::MainWindowModel::customConductorItem));
    for (QComboBox *list : mStringTypeLists) {
        for (const app::InsulatorStringEntry &entry : app::insulatorStringCatalogue())
            list->addItem(toQString(entry.typeName));
        common::widenListToEntries(*list);
    }
    common::widenListToEntries(*ComboBox_zdx);
    common::widenListToEntries(*ComboBox_dx);
}

void TForm_zcx::arrangeTabOrder()
{
    // The order of the handbook's input: project, conductor, strings A and B,
    // the load table, then the commands.
    std::vector<QWidget *> chain;
    const auto addEdits = [&](std::initializer_list<EditBox> boxes) {
        for (EditBox box : boxes)
            chain.push_back(edit(box));
    };
    addEdits({EditBox::Edit_bt});
    chain.push_back(ComboBox_kV);
    addEdits({EditBox::Edit_L});
    chain.push_back(ComboBox_gd);
    addEdits({EditBox::Edit_h, EditBox::Edit_f, EditBox::Edit_jxd});
    chain.push_back(ComboBox_zdx);
    chain.push_back(ToolButton_dxk);
    addEdits({EditBox::Edit_dx_d, EditBox::Edit_dx_ax, EditBox::Edit_dx_E, EditBox::Edit_dx_S, EditBox::Edit_dx_kg});
    addEdits({EditBox::Edit_dx_flgs, EditBox::Edit_dx_cdj, EditBox::Edit_dx_flkg});
    for (StringSide side : {StringSide::A, StringSide::B}) {
        chain.push_back(stringTypeList(side));
        chain.push_back(stringQueryButton(side));
        for (EditBox box : {EditBox::Edit_jyza_l, EditBox::Edit_jyza_kg, EditBox::Edit_jyza_f1, EditBox::Edit_jyza_kgb,
                            EditBox::Edit_jyza_f2})
            chain.push_back(edit(stringBox(side, box)));
    }
    chain.insert(chain.end(), mPresenceBoxes.begin(), mPresenceBoxes.end());
    chain.push_back(SGrid_hz);
    chain.insert(chain.end(), {Button_js, Button_help, Button_option, Button_close});
    for (std::size_t index = 1; index < chain.size(); ++index)
        QWidget::setTabOrder(chain[index - 1], chain[index]);
}
