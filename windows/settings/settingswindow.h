#pragma once
// The settings window (TForm8, "環境設定").

#include "platform/modalform.h"

#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class HolidayEditorPort;
class HolidayGridView;
class TStringGrid;
struct SettingsControls;

// "環境設定": the settings on four tabs and the holiday-calendar editor of
// CalendarYear. "登録" stores the settings and writes the settings file,
// "ｷｬﾝｾﾙ" stores nothing; the colours and the calendar's "保存" take effect
// at once either way.
class TForm8 : public TModalForm {
    Q_OBJECT
public:
    explicit TForm8(QWidget* owner);
    ~TForm8() override;

    // Fills the controls and the holiday calendar; runs on the first show.
    void FormShow();

    void Button3Click(); // 登録
    void Button1Click(); // ｷｬﾝｾﾙ
    void Button2Click(); // 保存 (holiday calendar)
    void ComboBox1Change(int index);
    void ComboBox3Change(int index);
    void CheckBox8Click(bool checked);
    void Label2Click();
    void StringGrid1DblClick(int col, int row);
    // The input method of the holiday grid: 1 on, anything else off.
    void SetImeMode(int mode);

    QTabWidget* PageControl1 = nullptr;
    QLineEdit *Memo1 = nullptr, *Memo2 = nullptr, *Memo3 = nullptr, *Memo4 = nullptr,
              *Memo5 = nullptr, *Memo6 = nullptr, *Memo7 = nullptr, *Memo8 = nullptr,
              *Memo9 = nullptr, *Memo10 = nullptr, *Memo11 = nullptr, *Memo12 = nullptr,
              *Memo13 = nullptr, *Memo14 = nullptr, *Memo15 = nullptr, *Memo16 = nullptr;
    TStringGrid *StringGrid1 = nullptr, *StringGrid2 = nullptr;
    QRadioButton* RadioButton[15] = {}; // RadioButton1..RadioButton14 at 1..14
    QCheckBox* CheckBox[15] = {};       // CheckBox1..CheckBox14 at 1..14
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox3 = nullptr,
              *ComboBox4 = nullptr, *ComboBox5 = nullptr;
    QLabel *Label2 = nullptr, *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr,
           *Label24 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction *N1 = nullptr, *N2 = nullptr; // "出勤", "休日"

protected:
    void FirstShow() override { FormShow(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the tabs (settingspages.cpp).
    QWidget* BuildWorkTab();
    QWidget* BuildWorkHoursGroup(QWidget* parent);
    QWidget* BuildItemGroups(QWidget* parent);
    QWidget* BuildCalendarTab();
    QWidget* BuildAutomaticTab();
    QWidget* BuildOtherTab();
    QLineEdit* MakeBox(QWidget* parent, const char* name, const char* allowed, int maxBytes,
                       const char* hint = nullptr);
    QRadioButton* MakeRadio(QWidget* parent, int number, const char* caption);
    QCheckBox* MakeCheck(QWidget* parent, int number, const char* caption);

    // The holiday grid and the colour controls (settingscalendar.cpp).
    void SetUpHolidayGrid();
    void SetUpBreakGrid();
    void ConnectCalendar();
    void ShowKindColor(int kind);
    void SelectCalendarYearItem();
    void HolidayRightClick(int col, int row, const QPoint& globalPos, bool* handled);

    void ShowControls(const SettingsControls& controls);
    SettingsControls ReadControls() const;
    void UpdateEnables();

    std::unique_ptr<HolidayGridView> holidayView_;
    std::unique_ptr<HolidayEditorPort> port_;
};
