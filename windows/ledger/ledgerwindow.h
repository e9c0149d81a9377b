#pragma once
// The paid-leave ledger window (TForm4, "有給休暇").

#include "commands/paidleaveledger.h"
#include "platform/modalform.h"

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class MainSavePort;
class TStringGrid;

// "有給休暇": the paid-leave ledger of one year. The grid is the working
// copy; the ledger in memory changes only when a year is loaded or saved.
// Only the remarks of dated rows can be typed into; dates, kinds, days and
// balances come from the day kinds of the main window.
class TForm4 : public TModalForm {
    Q_OBJECT
public:
    explicit TForm4(QWidget* owner);
    ~TForm4() override;

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr;
    QLineEdit *Memo1 = nullptr, *Memo2 = nullptr, *Memok = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button4 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    QAction *S1 = nullptr, *P1 = nullptr, *CSV1 = nullptr, *C1 = nullptr, *C2 = nullptr;

    void FormShow();
    void ComboBox1Change(int index);
    void ComboBox2Change(int index);
    void Button1Click();
    void Button2Click();
    void Button4Click();
    void CSV1Click();
    void P1Click();

    // The window as texts, the open editor's text included.
    LeaveSheet ReadSheet() const;

protected:
    void FirstShow() override { FormShow(); }
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void BuildGrid();
    void ConnectCommands();
    void ShowSheet(const LeaveSheet& sheet);
    // "再計算": sorted and recomputed, shown and returned.
    LeaveSheet RecalculatedSheet();
    void SelectLeaveYear();
    void SetRemarkWidth();
    QVariant CellStyle(int col, int row, int role) const;
    bool RemarkEditable(int row) const;

    std::unique_ptr<MainSavePort> port_;
};
