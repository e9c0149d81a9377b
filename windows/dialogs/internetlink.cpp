#include "internetlink.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/shellopen.h"
#include "platform/windowsteps.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm7::TForm7(QWidget* owner) : TModalForm(owner) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("インターネット接続"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ProgramFont(PGothicFontName, 12));

    Label1 = MakeLabel(this, "Label1", " 以下のボタンをクリックするとソルベナの");
    Label2 = MakeLabel(this, "Label2", "「労働者の疲労蓄積度チェックリスト」にリンクします。");
    Label3 = MakeLabel(this, "Label3", "ソルベナ");
    Button1 =
        MakeButton(this, "Button1", FatigueChecklistAddress, "ソルベナのﾎｰﾑﾍﾟｰｼﾞへｼﾞｬﾝﾌﾟします。");
    Button2 = MakeButton(this, "Button2", "閉じる", "ｳｨﾝﾄﾞｳを閉じて、ﾒｲﾝｳｨﾝﾄﾞに戻ります。");

    auto* column = new QVBoxLayout(this);
    column->addWidget(Label1);
    column->addWidget(Label2);
    column->addSpacing(8);
    column->addWidget(Label3);
    column->addWidget(Button1);
    column->addSpacing(8);
    column->addWidget(Button2, 0, Qt::AlignHCenter);

    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm7::CancelAndClose);
}

void TForm7::showEvent(QShowEvent* event) {
    TModalForm::showEvent(event);
    RemoveSizeCommand(this);
    CenterOnMainWindow(this);
}

void TForm7::Button1Click() {
    // The browser reports its own problems; the dialog says nothing.
    ShellOpen(Button1->text());
}
