#include "reportpreview.h"

#include "platform/dialogs.h"
#include "platform/reportpageview.h"
#include "records/fileio.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

ReportPreview::ReportPreview(const ReportLayout& layout, std::filesystem::path pdfFolder,
                             ReportPrinting printing, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      layout_(layout), pdfFolder_(std::move(pdfFolder)), printing_(std::move(printing)) {
    setObjectName(ReportPreviewName);
    setWindowTitle(QStringLiteral("印刷プレビュー - %1").arg(layout.title));
    // Tall enough to read a whole page.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(std::min(860, area.width()), std::min(1000, area.height() * 9 / 10));
    }

    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("ReportTools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools_ = tools;
    pages_ = new ReportPageView(layout, this);

    QAction* print = AddCommand(QStringLiteral("印刷"), ReportPrintActionName, QKeySequence::Print);
    connect(print, &QAction::triggered, this, &ReportPreview::Print);
    tools->addSeparator();
    previous_ = AddCommand(QStringLiteral("前ページ"), QStringLiteral("ReportPreviousPage"),
                           QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    connect(previous_, &QAction::triggered, this,
            [this] { pages_->ShowPage(pages_->CurrentPage() - 1); });
    pageNumber_ = new QLabel(tools);
    pageNumber_->setObjectName(QStringLiteral("ReportPageNumber"));
    pageNumber_->setContentsMargins(6, 0, 6, 0);
    tools->addWidget(pageNumber_);
    next_ = AddCommand(QStringLiteral("次ページ"), QStringLiteral("ReportNextPage"),
                       QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    connect(next_, &QAction::triggered, this,
            [this] { pages_->ShowPage(pages_->CurrentPage() + 1); });
    tools->addSeparator();
    QAction* smaller =
        AddCommand(QStringLiteral("縮小"), QStringLiteral("ReportZoomOut"), QKeySequence::ZoomOut);
    connect(smaller, &QAction::triggered, this, [this] { pages_->ZoomBy(1 / 1.25); });
    zoom_ = new QLabel(tools);
    zoom_->setObjectName(QStringLiteral("ReportZoom"));
    zoom_->setContentsMargins(6, 0, 6, 0);
    tools->addWidget(zoom_);
    QAction* larger =
        AddCommand(QStringLiteral("拡大"), QStringLiteral("ReportZoomIn"), QKeySequence::ZoomIn);
    connect(larger, &QAction::triggered, this, [this] { pages_->ZoomBy(1.25); });
    QAction* width =
        AddCommand(QStringLiteral("幅に合わせる"), QStringLiteral("ReportFitWidth"), {});
    connect(width, &QAction::triggered, pages_, &ReportPageView::FitWidth);
    QAction* whole = AddCommand(QStringLiteral("ページ全体"), QStringLiteral("ReportFitPage"), {});
    connect(whole, &QAction::triggered, pages_, &ReportPageView::FitPage);
    tools->addSeparator();
    QAction* close = AddCommand(QStringLiteral("閉じる"), ReportCloseActionName, {});
    connect(close, &QAction::triggered, this, &QDialog::reject);

    connect(pages_, &ReportPageView::CurrentPageChanged, this, &ReportPreview::ShowPageNumber);
    connect(pages_, &ReportPageView::ZoomChanged, this,
            [this](qreal zoom) { zoom_->setText(QStringLiteral("%1%").arg(qRound(zoom * 100))); });
    ShowPageNumber(0);
    zoom_->setText(QStringLiteral("100%"));

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->setSpacing(0);
    layoutBox->addWidget(tools);
    layoutBox->addWidget(pages_, 1);
    pages_->setFocus();
}

QAction* ReportPreview::AddCommand(const QString& text, const QString& name,
                                   const QKeySequence& key) {
    QAction* action = tools_->addAction(text);
    action->setObjectName(name);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

void ReportPreview::ShowPageNumber(int index) {
    pageNumber_->setText(QStringLiteral("%1 / %2").arg(index + 1).arg(pages_->PageCount()));
    previous_->setEnabled(index > 0);
    next_->setEnabled(index + 1 < pages_->PageCount());
}

void ReportPreview::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ReportPreview::Print() {
    if (!printing_(this)) {
        SaveAsPdf();
    }
}

void ReportPreview::SaveAsPdf() {
    const std::filesystem::path proposed =
        pdfFolder_ / (layout_.title + QStringLiteral(".pdf")).toStdString();
    std::optional<QString> chosen = GetSaveFileName(
        this, {QStringLiteral("PDFﾌｧｲﾙ出力"), QString::fromStdString(proposed.string()),
               QStringLiteral("PDFﾌｧｲﾙ (*.pdf)")});
    if (!chosen) {
        return;
    }
    const std::filesystem::path target(chosen->toStdString());
    if (!WriteReportPdf(layout_, target)) {
        ShowMessageBox(this,
                       QStringLiteral("ファイル %1 を作成できません")
                           .arg(QString::fromStdString(DisplayPath(target))),
                       QStringLiteral("エラー"), MsgIcon::Stop);
    }
}
