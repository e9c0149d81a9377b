#pragma once
// The web-link dialog (TForm7, "インターネット接続").

#include "platform/modalform.h"

class QLabel;
class QPushButton;

// The address of the workers' fatigue self-check list that "ｲﾝﾀｰﾈｯﾄ接続"
// opens in the web browser.
inline constexpr const char* FatigueChecklistAddress =
    "https://www.jaish.gr.jp/td_chk/tdchk_menu.html";

// "インターネット接続": one button that opens the checklist page in the
// user's web browser; the dialog stays open until "閉じる".
class TForm7 : public TModalForm {
    Q_OBJECT
public:
    explicit TForm7(QWidget* owner);

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr;

    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
};
