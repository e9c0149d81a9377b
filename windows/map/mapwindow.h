#pragma once
// The walking-progress map window (TForm10, "進行位置表示").

#include "engine/walkingroute.h"
#include "platform/modalform.h"

#include <QImage>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class MapImage;

// "進行位置表示": how far the steps of a span of months reach along the
// route around the island. Every opening asks for the span first.
class TForm10 : public TModalForm {
    Q_OBJECT
public:
    explicit TForm10(QWidget* owner);

    QScrollArea* ScrollBox1 = nullptr;
    QWidget* Image1 = nullptr; // the map, stretched to its size
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label10 = nullptr,
           *Label11 = nullptr;
    QFrame *Shape1 = nullptr, *Shape2 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr,
                *BitBtn1 = nullptr;
    QAction *P1 = nullptr, *X1 = nullptr, *N2 = nullptr, *N3 = nullptr, *N4 = nullptr;

    const RouteTable& Route() const { return route_; }
    const WalkingProgress& Progress() const { return progress_; }
    // The picture with the progress drawn on it, at the map's own size.
    const QImage& Picture() const { return picture_; }

    void FormShow();
    void Button4Click();
    void ShowWalkingProgress();
    void ZoomIn();
    void ZoomOut();
    void ZoomReset();
    void P1Click();

protected:
    void FirstShow() override { FormShow(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitImage();
    void SetImageSize(QSize size);

    MapImage* mapImage_ = nullptr;
    RouteTable route_;
    WalkingProgress progress_;
    QImage cleanMap_;
    QImage picture_;
    QSize fittedSize_;
    QSize fittedArea_;
};
