#include "app/TMainForm.h"

#include "db/quarnDatabase.h"
#include "items/HelpPage.h"
#include "items/ItemActions.h"
#include "items/ItemGridView.h"
#include "items/ItemList.h"
#include "items/ItemTransfer.h"
#include "items/QueryText.h"
#include "items/UpperCaseValidator.h"
#include "platform/CodePage.h"
#include "platform/Convert.h"
#include "platform/qt/Dialogs.h"
#include "platform/qt/QtText.h"

#include "ui_MainForm.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

TMainForm* MainForm = nullptr;
TBarcode5Form* Barcode5Form = nullptr;

namespace {

const int columnWidths[ItemGridModel::colCount] = {1, 100, 100, 100, 100, 100, 100, 100, 50};

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), selectedGrid(9, 1), ui(std::make_unique<Ui::MainForm>())
{
    ui->setupUi(this);
    actionPanel = ui->actionPanel;
    insertButton = ui->insertButton;
    updateButton = ui->updateButton;
    deleteButton = ui->deleteButton;
    mailButton = ui->mailButton;
    exportButton = ui->exportButton;
    settingButton = ui->settingButton;
    printButton = ui->printButton;
    helpButton = ui->helpButton;
    closeButton = ui->closeButton;
    insertAction = ui->insertAction;
    updateAction = ui->updateAction;
    deleteAction = ui->deleteAction;
    importAction = ui->importAction;
    exportAction = ui->exportAction;
    printAction = ui->printAction;
    helpAction = ui->helpAction;
    closeAction = ui->closeAction;
    selectAllAction = ui->selectAllAction;
    Panel2 = ui->Panel2;
    barcode = ui->barcode;
    string1 = ui->string1;
    string2 = ui->string2;
    string3 = ui->string3;
    string4 = ui->string4;
    string5 = ui->string5;
    string6 = ui->string6;
    sortBy = ui->sortBy;
    searchButton = ui->searchButton;
    clearButton = ui->clearButton;
    grid = ui->grid;
    StatusBar1 = ui->StatusBar1;

    QFont formFont(QString::fromUtf8("細明體"));
    formFont.setPixelSize(16);
    setFont(formFont);
    grid->setFont([] {
        QFont cellFont(QStringLiteral("Tahoma"));
        cellFont.setPixelSize(11);
        return cellFont;
    }());

    // Every action lives in ActionList1, so closing can switch all shortcuts off at once.
    ActionList1 = new QActionGroup(this);
    ActionList1->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (QAction* action : {insertAction, updateAction, deleteAction, importAction, exportAction,
                            printAction, helpAction, closeAction, selectAllAction}) {
        ActionList1->addAction(action);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    insertButton->setDefaultAction(insertAction);
    updateButton->setDefaultAction(updateAction);
    deleteButton->setDefaultAction(deleteAction);
    mailButton->setDefaultAction(importAction);
    exportButton->setDefaultAction(exportAction);
    printButton->setDefaultAction(printAction);
    helpButton->setDefaultAction(helpAction);
    closeButton->setDefaultAction(closeAction);

    connect(insertAction, &QAction::triggered, this, &TMainForm::insertActionExecute);
    connect(updateAction, &QAction::triggered, this, &TMainForm::updateActionExecute);
    connect(deleteAction, &QAction::triggered, this, &TMainForm::deleteActionExecute);
    connect(importAction, &QAction::triggered, this, &TMainForm::importActionExecute);
    connect(exportAction, &QAction::triggered, this, &TMainForm::exportActionExecute);
    connect(printAction, &QAction::triggered, this, &TMainForm::printActionExecute);
    connect(helpAction, &QAction::triggered, this, &TMainForm::helpActionExecute);
    connect(closeAction, &QAction::triggered, this, &TMainForm::closeActionExecute);
    connect(selectAllAction, &QAction::triggered, this, &TMainForm::selectAllActionExecute);
    connect(settingButton, &QToolButton::clicked, this, &TMainForm::settingButtonClick);

    // Item list: heading row only until the start-up fills it.
    grid->setItemModel(&gridModel);
    for (int col = 0; col < ItemGridModel::colCount; ++col)
        grid->setColumnWidth(col, columnWidths[col]);
    grid->setColumnHidden(0, true);
    connect(grid, &ItemGridView::gridMouseUp, this, &TMainForm::gridMouseUp);
    connect(grid, &ItemGridView::gridDblClick, this, &TMainForm::gridDblClick);

    barcode->setValidator(new UpperCaseValidator(barcode));
    for (QLineEdit* box : filterBoxes())
        box->installEventFilter(this);
    connect(searchButton, &QPushButton::clicked, this, &TMainForm::searchButtonClick);
    connect(clearButton, &QPushButton::clicked, this, &TMainForm::clearButtonClick);
    sortBy->setCurrentIndex(0);
    connect(sortBy, &QComboBox::currentIndexChanged, this, &TMainForm::searchButtonClick);

    for (int i = 0; i < 3; ++i) {
        statusPanels[i] = new QLabel(StatusBar1);
        statusPanels[i]->setFrameShape(QFrame::Panel);
        statusPanels[i]->setFrameShadow(QFrame::Sunken);
    }
    statusPanels[0]->setFixedWidth(150);
    statusPanels[1]->setFixedWidth(150);
    statusPanels[2]->setAlignment(Qt::AlignCenter);
    statusPanels[2]->setText(toQString(codepage::msg(
        "請選擇資料, 按住 [Ctrl] 鍵可選擇多個資料, 按 [Ctrl+A] 鍵可以全選.")));
    StatusBar1->addWidget(statusPanels[0]);
    StatusBar1->addWidget(statusPanels[1]);
    StatusBar1->addWidget(statusPanels[2], 1);
}

TMainForm::~TMainForm()
{
    if (MainForm == this)
        MainForm = nullptr;
}

std::array<QLineEdit*, 7> TMainForm::filterBoxes() const
{
    return {barcode, string1, string2, string3, string4, string5, string6};
}

QString TMainForm::statusText(int panel) const
{
    return panel >= 0 && panel < 3 ? statusPanels[panel]->text() : QString();
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (showHandled)
        return;
    showHandled = true;
    // After the window is up: the start-up may show messages and close it again.
    QTimer::singleShot(0, this, &TMainForm::FormShow);
}

void TMainForm::FormShow()
{
    database.setConfirmDeleteColumns(true);
    closeWithoutAsking = false;
    if (!database.open("Tolvane", nullptr, -1, 0)) {
        showMessageBox(codepage::msg("資料庫開啟錯誤."), this);
        closeWithoutAsking = true;
        close();
        return;
    }
    if (database.userCount() >= 2) {
        showMessageBox(codepage::msg("資料庫不能同時開啟."), this);
        closeWithoutAsking = true;
        close();
        return;
    }
    database.commit();
    refreshList();
    started = true;
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (database.isOpen() && !closeWithoutAsking) {
        if (!askYesNo(codepage::msg("關閉系統?"), this)) {
            event->ignore();
            return;
        }
        hide();
        ActionList1->setEnabled(false);
    }
    event->accept();
    emit closed();
}

void TMainForm::closeActionExecute()
{
    close();
}

void TMainForm::helpActionExecute()
{
    openHelpPage(mainHelpPage);
}

void TMainForm::refreshList()
{
    std::array<std::string, 7> filters;
    const auto boxes = filterBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        filters[i] = fromQString(boxes[i]->text());
    loadItemList(gridModel, buildQueryText(filters, sortBy->currentIndex()));
    statusPanels[0]->setText(toQString(codepage::msg("共資料: ") + IntToStr(gridModel.rows() - 1)));
    writeSelectedPanel();
}

void TMainForm::writeSelectedPanel()
{
    statusPanels[1]->setText(toQString(codepage::msg("已選擇: ") + IntToStr(gridModel.selectedCount())));
}

void TMainForm::searchButtonClick()
{
    refreshList();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && barcodeKeyPress(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::barcodeKeyPress(QEvent* event)
{
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    refreshList();
    return true;
}

void TMainForm::clearButtonClick()
{
    for (QLineEdit* box : filterBoxes())
        box->clear();
    refreshList();
}

void TMainForm::selectAllActionExecute()
{
    gridModel.selectAll();
    writeSelectedPanel();
}

void TMainForm::gridMouseUp()
{
    writeSelectedPanel();
}

void TMainForm::gridDblClick(const QPoint& viewportPos)
{
    const QPoint cell = grid->cellAt(viewportPos);
    if (cell.x() >= 0 && cell.x() <= 8 && cell.y() >= 1 && cell.y() < gridModel.rows())
        updateActionExecute();
}

void TMainForm::insertActionExecute()
{
    insertItem(this, [this] { refreshList(); });
}

void TMainForm::updateActionExecute()
{
    updateItem(this, gridModel, [this] { refreshList(); });
}

void TMainForm::deleteActionExecute()
{
    deleteItems(this, gridModel, [this] { refreshList(); });
}

void TMainForm::importActionExecute()
{
    runImport(this, [this] { refreshList(); });
}

void TMainForm::exportActionExecute()
{
    // The list as shown: heading row and item rows, without the identifier column.
    std::vector<std::vector<std::string>> shown(static_cast<std::size_t>(gridModel.rows()));
    for (int r = 0; r < gridModel.rows(); ++r)
        for (int c = 1; c < ItemGridModel::colCount; ++c)
            shown[static_cast<std::size_t>(r)].push_back(gridModel.cell(c, r));
    runExport(this, shown);
}

