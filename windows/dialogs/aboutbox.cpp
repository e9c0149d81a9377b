#include "aboutbox.h"

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/programicon.h"
#include "platform/windowsteps.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString ProgramVersion() {
    return QStringLiteral(TOLMAR_VERSION);
}

TAboutBox::TAboutBox(QWidget* owner) : TModalForm(owner) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ProgramFont(PGothicFontName, 12));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    ProgramIconLabel = new QLabel(panel);
    ProgramIconLabel->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIconLabel->setPixmap(ProgramIcon().pixmap(32, 32));
    ProductName = new QLabel(panel);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    Version = new QLabel(panel);
    Version->setObjectName(QStringLiteral("Version"));
    Comments = new QLabel(panel);
    Comments->setObjectName(QStringLiteral("Comments"));
    Comments->setWordWrap(true);
    OKButton = MakeButton(this, "OKButton", "OK", "");
    OKButton->setDefault(true);

    auto* names = new QVBoxLayout;
    names->addWidget(ProductName);
    names->addWidget(Version);
    auto* head = new QHBoxLayout;
    head->addWidget(ProgramIconLabel, 0, Qt::AlignTop);
    head->addLayout(names, 1);
    auto* inner = new QVBoxLayout(panel);
    inner->addLayout(head);
    inner->addWidget(Comments);
    auto* column = new QVBoxLayout(this);
    column->addWidget(panel);
    column->addWidget(OKButton, 0, Qt::AlignHCenter);
    setFixedWidth(300);

    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::ConfirmAndClose);
}

void TAboutBox::showEvent(QShowEvent* event) {
    TModalForm::showEvent(event);
    ProductName->setText(QString::fromUtf8(ProgramTitle));
    Version->setText(QStringLiteral("Version ") + ProgramVersion());
    Comments->setText(QStringLiteral(
        "本ﾌﾟﾛｸﾞﾗﾑは、労働者の皆様が自らの健康管理に役立てることができるよう、睡眠時間、勤務時間、"
        "運動記録、体調等を記録し、その状態を点検するためのパソコンソフトです。"));
    // A dialog frame: the size its texts give it, never changed by the user.
    if (!sized_) {
        sized_ = true;
        adjustSize();
        RemoveSizeCommand(this);
    }
    CenterOnMainWindow(this);
}
