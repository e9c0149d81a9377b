#include "mapwindow.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/windowsteps.h"
#include "records/settings.h"
#include "records/state.h"
#include "windows/map/mappicture.h"
#include "windows/map/mapspanpicker.h"
#include "windows/printing/printing.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

// The map picture stretched over the widget's whole size.
class MapImage : public QWidget {
public:
    explicit MapImage(QWidget* parent) : QWidget(parent) {}
    void SetPicture(const QImage& picture) {
        picture_ = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture_);
    }

private:
    QImage picture_;
};

namespace {

constexpr int PanelWidth = 290;
constexpr int BarWidth = 193;
constexpr int SmallestImage = 32;
constexpr int LargestZoom = 8;

} // namespace

TForm10::TForm10(QWidget* owner) : TModalForm(owner) {
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QStringLiteral("進行位置表示"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(ProgramFont(PGothicFontName, 12));

    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    P1 = AddMenuItem(file, "P1", "印刷(&P)");
    file->addSeparator();
    X1 = AddMenuItem(file, "X1", "閉じる(&X)");
    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    N2 = AddMenuItem(view, "N2", "元に戻す");
    N3 = AddMenuItem(view, "N3", "拡大");
    N4 = AddMenuItem(view, "N4", "縮小");

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    mapImage_ = new MapImage(ScrollBox1);
    Image1 = mapImage_;
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBox1->setWidget(Image1);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->viewport()->installEventFilter(this);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedWidth(PanelWidth);
    auto* group1 = new QGroupBox(QStringLiteral("集計期間"), panel);
    group1->setObjectName(QStringLiteral("GroupBox1"));
    Label4 = MakeLabel(group1, "Label4", "年");
    Label5 = MakeLabel(group1, "Label5", "月");
    Label7 = MakeLabel(group1, "Label7", "2003年");
    Label8 = MakeLabel(group1, "Label8", "月");
    Button4 = MakeButton(group1, "Button4", "期間選択", "進行位置を表示する期間を指定します。");
    auto* period = new QGridLayout(group1);
    period->addWidget(Label4, 0, 0);
    period->addWidget(Label5, 0, 1);
    period->addWidget(MakeLabel(group1, "Label6", "から"), 0, 2);
    period->addWidget(Label7, 1, 0);
    period->addWidget(Label8, 1, 1);
    period->addWidget(MakeLabel(group1, "Label9", "まで"), 1, 2);
    period->addWidget(Button4, 0, 3, 2, 1);

    auto* group2 = new QGroupBox(QStringLiteral("主要駅までの距離"), panel);
    group2->setObjectName(QStringLiteral("GroupBox2"));
    Label1 = MakeLabel(group2, "Label1");
    Label2 = MakeLabel(group2, "Label2");
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Shape1 = new QFrame(group2);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFixedSize(BarWidth, 12);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setStyleSheet(QStringLiteral("background: white;"));
    Shape2 = new QFrame(Shape1);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setStyleSheet(QStringLiteral("background: blue;"));
    Shape2->setGeometry(0, 0, 0, 12);
    Label3 = MakeLabel(group2, "Label3");
    // The distance line grows with the steps (ten billion steps are
    // "7309716.5km(10442452175歩)"): it wraps within the panel rather than
    // losing its end.
    Label3->setWordWrap(true);
    Label10 = MakeLabel(group2, "Label10");
    Label10->setVisible(false);
    Label11 = MakeLabel(group2, "Label11", "注）１歩を70cmで計算しています。");
    auto* stations = new QHBoxLayout;
    stations->addWidget(Label1);
    stations->addStretch(1);
    stations->addWidget(Label2);
    auto* distance = new QVBoxLayout(group2);
    distance->addLayout(stations);
    distance->addWidget(Shape1, 0, Qt::AlignHCenter);
    distance->addWidget(Label3);
    distance->addWidget(Label10);
    distance->addWidget(Label11);

    auto* group3 = new QGroupBox(QStringLiteral("表示"), panel);
    group3->setObjectName(QStringLiteral("GroupBox3"));
    Button1 = MakeButton(group3, "Button1", "拡大", "");
    Button2 = MakeButton(group3, "Button2", "縮小", "");
    Button3 = MakeButton(group3, "Button3", "元に戻す", "");
    auto* zoom = new QHBoxLayout(group3);
    zoom->addWidget(Button1);
    zoom->addWidget(Button2);
    zoom->addWidget(Button3);
    BitBtn1 = MakeButton(panel, "BitBtn1", "閉じる", "");

    auto* side = new QVBoxLayout(panel);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(group1);
    side->addWidget(group2);
    side->addWidget(group3);
    side->addStretch(1);
    side->addWidget(BitBtn1, 0, Qt::AlignRight);

    auto* row = new QHBoxLayout(this);
    row->setMenuBar(bar);
    row->addWidget(ScrollBox1, 1);
    row->addWidget(panel);

    setMinimumSize(640, 480);
    QSize largest(800, 650);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        largest = largest.boundedTo(screen->availableGeometry().size());
    }
    setMaximumSize(largest.expandedTo(minimumSize()));
    resize(640, 480);

    route_ = BuildRouteTable();
    cleanMap_ = DrawMapPicture(route_);
    picture_ = cleanMap_;
    mapImage_->SetPicture(picture_);

    connect(Button4, &QPushButton::clicked, this, &TForm10::Button4Click);
    connect(Button1, &QPushButton::clicked, this, &TForm10::ZoomIn);
    connect(N3, &QAction::triggered, this, &TForm10::ZoomIn);
    connect(Button2, &QPushButton::clicked, this, &TForm10::ZoomOut);
    connect(N4, &QAction::triggered, this, &TForm10::ZoomOut);
    connect(Button3, &QPushButton::clicked, this, &TForm10::ZoomReset);
    connect(N2, &QAction::triggered, this, &TForm10::ZoomReset);
    connect(P1, &QAction::triggered, this, &TForm10::P1Click);
    connect(X1, &QAction::triggered, this, &TForm10::CancelAndClose);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm10::CancelAndClose);
}

void TForm10::FormShow() {
    CenterOnMainWindow(this);
    P1->setEnabled(PrinterReady);
    route_ = BuildRouteTable();
    Label1->clear();
    Label2->clear();
    Label3->clear();
    Shape2->setFixedWidth(0);
    ProgressShown = 0;
    Button4Click();
    ProgressShown = 1;
}

void TForm10::Button4Click() {
    TForm11 dialog(this);
    if (!dialog.RunModal()) {
        return;
    }
    Label4->setText(QStringLiteral("%1年").arg(dialog.FromYear));
    Label5->setText(QStringLiteral("%1月").arg(dialog.FromMonth));
    Label7->setText(QStringLiteral("%1年").arg(dialog.ToYear));
    Label8->setText(QStringLiteral("%1月").arg(dialog.ToMonth));
    ShowWalkingProgress();
}

void TForm10::ShowWalkingProgress() {
    progress_ = ComputeWalkingProgress(route_, TotalSteps, Settings.Distance, BarWidth);
    Label11->setText(QString::fromStdString(progress_.stepNote));
    picture_ = DrawProgress(cleanMap_, route_, progress_);
    mapImage_->SetPicture(picture_);
    Label10->setText(QString::fromStdString(progress_.lapText));
    Label10->setVisible(!progress_.lapText.empty());
    Label1->setText(QString::fromStdString(progress_.currentStation));
    Label2->setText(QString::fromStdString(progress_.nextStation));
    Label3->setText(QString::fromStdString(progress_.distanceText));
    Shape2->setFixedWidth(progress_.barWidth);
}

bool TForm10::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Resize) {
        FitImage();
    }
    return TModalForm::eventFilter(watched, event);
}

void TForm10::FitImage() {
    // The map fills the scroll box; the size becomes the one "元に戻す" goes
    // back to.
    QSize area = ScrollBox1->maximumViewportSize();
    // Scroll bars coming and going after a zoom change the viewport but
    // not the room the window gives the map.
    if (area == fittedArea_) {
        return;
    }
    fittedArea_ = area;
    fittedSize_ = QSize(std::max(SmallestImage, area.width() - 5),
                        std::max(SmallestImage, area.height() - 4));
    SetImageSize(fittedSize_);
}

void TForm10::SetImageSize(QSize size) {
    // Zooming stops before the map vanishes or grows without end.
    QSize largest = fittedSize_.isValid() ? fittedSize_ * LargestZoom : size;
    size = size.expandedTo(QSize(SmallestImage, SmallestImage)).boundedTo(largest);
    Image1->resize(size);
}

void TForm10::ZoomIn() {
    QSize now = Image1->size();
    SetImageSize(QSize(static_cast<int>(now.width() * 1.2), static_cast<int>(now.height() * 1.2)));
}

void TForm10::ZoomOut() {
    QSize now = Image1->size();
    SetImageSize(QSize(static_cast<int>(now.width() * (5.0 / 6.0)),
                       static_cast<int>(now.height() * (5.0 / 6.0))));
}

void TForm10::ZoomReset() {
    SetImageSize(fittedSize_);
}

void TForm10::P1Click() {
    if (const PrintingEntries* printing = Printing(this)) {
        printing->printMapWindow(this);
    }
}
