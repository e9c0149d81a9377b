#pragma once
// The About box (TAboutBox, "バージョン情報").

#include "platform/modalform.h"

class QLabel;
class QPushButton;

// The version of the build, "1.2.0.0" style.
QString ProgramVersion();

// "バージョン情報": the program's icon, title, version and purpose.
class TAboutBox : public TModalForm {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* owner);

    QLabel *ProgramIconLabel = nullptr, *ProductName = nullptr, *Version = nullptr,
           *Comments = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool sized_ = false;
};
