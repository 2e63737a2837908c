#pragma once
// The main window: the action buttons, the item list with its filters and status panels.
#include "items/ItemGridModel.h"
#include "platform/StringGrid.h"

#include <QMainWindow>
#include <array>
#include <memory>

namespace Ui { class MainForm; }
class ItemGridView;
class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QToolButton;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Rebuilds the item list from the filter boxes and the sort choice, then commits.
    void refreshList();

    // The item list as the commands see it: cell texts, rows, selection flags and
    // count, current row.
    ItemGridModel& items() { return gridModel; }
    const ItemGridModel& items() const { return gridModel; }
    // Text of a status bar panel (0 total, 1 selected, 2 hint).
    QString statusText(int panel) const;
    bool isStarted() const { return started; }

    // The start-up proper, run once after the window is first shown.
    void FormShow();
    void closeActionExecute();
    void helpActionExecute();
    void searchButtonClick();
    void clearButtonClick();
    void selectAllActionExecute();
    void gridMouseUp();
    void gridDblClick(const QPoint& viewportPos);
    void insertActionExecute();
    void updateActionExecute();
    void deleteActionExecute();
    void importActionExecute();
    void exportActionExecute();
    void settingButtonClick();
    void printActionExecute();

    // Controls, by the names the commands use.
    QWidget* actionPanel;
    QToolButton* insertButton;
    QToolButton* updateButton;
    QToolButton* deleteButton;
    QToolButton* mailButton;
    QToolButton* exportButton;
    QToolButton* settingButton;
    QToolButton* printButton;
    QToolButton* helpButton;
    QToolButton* closeButton;
    QActionGroup* ActionList1;
    QAction* insertAction;
    QAction* updateAction;
    QAction* deleteAction;
    QAction* importAction;
    QAction* exportAction;
    QAction* printAction;
    QAction* helpAction;
    QAction* closeAction;
    QAction* selectAllAction;
    QWidget* Panel2;
    QLineEdit* barcode;
    QLineEdit* string1;
    QLineEdit* string2;
    QLineEdit* string3;
    QLineEdit* string4;
    QLineEdit* string5;
    QLineEdit* string6;
    QComboBox* sortBy;
    QPushButton* searchButton;
    QPushButton* clearButton;
    ItemGridView* grid;
    QStatusBar* StatusBar1;
    // Hand-over grid of the print run: one row per label, 9 columns.
    StringGrid selectedGrid;

signals:
    // The window has closed for good; the application ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Enter in a filter box runs the search.
    bool barcodeKeyPress(QEvent* event);
    void writeSelectedPanel();
    std::array<QLineEdit*, 7> filterBoxes() const;

    std::unique_ptr<Ui::MainForm> ui;
    ItemGridModel gridModel;
    std::array<QLabel*, 3> statusPanels{};
    bool closeWithoutAsking = false;
    bool showHandled = false;
    bool started = false;
};

extern TMainForm* MainForm;

class TBarcode5Form;
// The label window, created hidden at start-up; it lives until the program ends.
extern TBarcode5Form* Barcode5Form;
