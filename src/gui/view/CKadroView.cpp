#include "view/CKadroView.h"

#include "app/Artwork.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/DibQImage.h"
#include "document/CellEntry.h"
#include "picture/Picture.h"
#include "view/PntAttribDialog.h"
#include "view/UsedColourEdits.h"
#include "view/ViewMessage.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace kadro::gui {

CKadroView::CKadroView(Picture& picture, ViewHost& host, QWidget* parent)
    : QAbstractScrollArea(parent), picture_(picture), host_(host),
      areaTool_(makeConversionAreaTool()) {
    setObjectName(QStringLiteral("pictureView"));
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(100, 50);
    createActions();
    setToolCursor();
}

CKadroView::~CKadroView() = default;

void CKadroView::createActions() {
    auto zoomAction = [this](int id) {
        QAction* a = CommandTable::makeAction(id, this);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, id] { applyZoom(id); });
        return a;
    };
    for (int id = cmd::zoomInFirst; id <= cmd::zoomInLast; ++id)
        zoomIn_.push_back(zoomAction(id));
    for (int id = cmd::zoomOutFirst; id <= cmd::zoomOutLast; ++id)
        zoomOut_.push_back(zoomAction(id));
    others_.push_back(zoomAction(cmd::zoomNormal));
    QAction* in = CommandTable::makeAction(cmd::zoomInStep, this);
    connect(in, &QAction::triggered, this, &CKadroView::stepIn);
    QAction* out = CommandTable::makeAction(cmd::zoomOutStep, this);
    connect(out, &QAction::triggered, this, &CKadroView::stepOut);
    QAction* grid = CommandTable::makeAction(cmd::displayGrid, this);
    grid->setCheckable(true);
    connect(grid, &QAction::triggered, this, [this] {
        gridOn_ = !gridOn_;
        viewport()->update();
        updateActions();
    });
    QAction* tv = CommandTable::makeAction(cmd::tvEffect, this);
    connect(tv, &QAction::triggered, this, [this] { host_.tvEffect(); });
    others_.insert(others_.end(), {in, out, grid, tv});
    for (QAction* a : others_) {
        // The step keys are character keys of the view's window, not of one menu.
        if (a == in || a == out)
            a->setShortcutContext(Qt::WindowShortcut);
    }
}

QAction* CKadroView::action(int id) const {
    for (const auto* list : {&zoomIn_, &zoomOut_, &others_}) {
        for (QAction* a : *list) {
            if (CommandTable::idOf(a) == id)
                return a;
        }
    }
    return nullptr;
}

void CKadroView::updateActions() {
    for (const auto* list : {&zoomIn_, &zoomOut_}) {
        for (QAction* a : *list)
            a->setChecked(zoom_.isChecked(CommandTable::idOf(a)));
    }
    action(cmd::zoomNormal)->setChecked(zoom_.isChecked(cmd::zoomNormal));
    action(cmd::displayGrid)->setChecked(gridOn_);
    action(cmd::tvEffect)->setEnabled(picture_.hasConversion());
}

void CKadroView::applyZoom(int id) {
    if (!zoom_.applyCommand(id))
        return;
    updateScrollBars();
    viewport()->update();
    updateActions();
}

void CKadroView::stepIn() {
    if (const int id = zoom_.stepInCommand())
        applyZoom(id);
}

void CKadroView::stepOut() {
    if (const int id = zoom_.stepOutCommand())
        applyZoom(id);
}

ViewPoint CKadroView::scrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

ViewSize CKadroView::totalSize() const {
    return zoom_.totalSize({picture_.width(), picture_.height()});
}

QRect CKadroView::pictureOnScreen() const {
    const ViewPoint scroll = scrollPosition();
    const ViewSize total = totalSize();
    const QRect shown =
        QRect(-scroll.x, -scroll.y, total.width, total.height).intersected(viewport()->rect());
    if (shown.isEmpty())
        return {};
    return {viewport()->mapToGlobal(shown.topLeft()), shown.size()};
}

void CKadroView::updateScrollBars() {
    const ViewSize total = totalSize();
    const QSize page = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, total.width - page.width()));
    horizontalScrollBar()->setPageStep(page.width());
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setRange(0, std::max(0, total.height - page.height()));
    verticalScrollBar()->setPageStep(page.height());
    verticalScrollBar()->setSingleStep(16);
}

void CKadroView::pictureChanged() {
    imageStale_ = true;
    updateScrollBars();
    viewport()->update();
}

void CKadroView::refreshPicture() {
    imageStale_ = true;
    viewport()->update();
}

void CKadroView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CKadroView::scrollContentsBy(int, int) {
    viewport()->update();
}

std::optional<PixelReadout> CKadroView::pictureAt(QPoint client) const {
    const ViewPoint scroll = scrollPosition();
    const ViewPoint scrolled{client.x() + scroll.x, client.y() + scroll.y};
    const ViewSize total = totalSize();
    if (scrolled.x < 0 || scrolled.y < 0 || scrolled.x >= total.width || scrolled.y >= total.height)
        return std::nullopt;
    const ViewPoint p = zoom_.viewToPicture(scrolled);
    const DibImage* image = picture_.image();
    Colour colour = 0;
    if (!image || image->getPixel(p.x, p.y, colour) != PixelStatus::Ok)
        return std::nullopt;
    return PixelReadout{colour, p.x, p.y};
}

std::optional<PixelReadout> CKadroView::readoutUnderCursor() const {
    // Only when the view itself is under the pointer, not a window above it.
    if (QApplication::widgetAt(QCursor::pos()) != viewport())
        return std::nullopt;
    const QPoint client = viewport()->mapFromGlobal(QCursor::pos());
    return pictureAt(client);
}

// The picture as a QImage, rebuilt only after its pixels changed.
const QImage& CKadroView::pictureImage() {
    const DibImage* dib = picture_.image();
    if (!dib) {
        image_ = QImage();
        return image_;
    }
    if (imageStale_ || image_.width() != dib->width() || image_.height() != dib->height()) {
        image_ = qImageOf(*dib);
        imageStale_ = image_.isNull();
    }
    return image_;
}

void CKadroView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const ViewPoint scroll = scrollPosition();
    const ViewSize total = totalSize();
    const QRect pictureRect(-scroll.x, -scroll.y, total.width, total.height);
    // Outside the picture: a black diagonal cross-hatch.
    const QRegion outside = QRegion(viewport()->rect()).subtracted(QRegion(pictureRect));
    for (const QRect& r : outside) {
        painter.fillRect(r, Qt::white);
        painter.fillRect(r, QBrush(Qt::black, Qt::DiagCrossPattern));
    }
    painter.translate(-scroll.x, -scroll.y);
    paintPicture(painter);
    if (gridOn_ && zoom_.gridVisible())
        paintGrid(painter, total);
    const Selection& s = picture_.selection();
    if (picture_.image() && !s.empty())
        paintBand(painter, zoom_.pictureToView(AreaRect{s.left, s.top, s.right, s.bottom}));
    if (band_) {
        const QRect r = QRect(band_->first, band_->second).normalized();
        paintBand(painter, {r.left() + scroll.x, r.top() + scroll.y, r.right() + scroll.x,
                            r.bottom() + scroll.y});
    }
}

void CKadroView::paintPicture(QPainter& painter) {
    const QImage& image = pictureImage();
    if (image.isNull())
        return;
    const ViewSize total = totalSize();
    if (!zoom_.magnifyMode()) {
        painter.drawImage(QRect(0, 0, total.width, total.height), image);
        return;
    }
    // Magnified: scale only the pixels that show, so large zooms stay quick.
    const int m = zoom_.magnification();
    const ViewPoint scroll = scrollPosition();
    const QRect visible = QRect(scroll.x, scroll.y, viewport()->width(), viewport()->height())
                              .intersected(QRect(0, 0, total.width, total.height));
    if (visible.isEmpty())
        return;
    const QRect source(visible.left() / m, visible.top() / m,
                       (visible.right() / m) - visible.left() / m + 1,
                       (visible.bottom() / m) - visible.top() / m + 1);
    painter.drawImage(
        QRect(source.left() * m, source.top() * m, source.width() * m, source.height() * m), image,
        source);
}

void CKadroView::paintGrid(QPainter& painter, const ViewSize& total) {
    const int step = zoom_.gridStep();
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::white);
    for (int x = step; x < total.width; x += step)
        painter.drawLine(x, 0, x, total.height - 1);
    for (int y = step; y < total.height; y += step)
        painter.drawLine(0, y, total.width - 1, y);
    painter.restore();
}

// A dotted frame that shows on any colour: white underneath, black dots on top.
void CKadroView::paintBand(QPainter& painter, const AreaRect& r) {
    const QRect frame(r.left, r.top, std::max(0, r.width() - 1), std::max(0, r.height() - 1));
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.drawRect(frame);
    painter.restore();
}

ViewTool& CKadroView::toolFor(Qt::MouseButton button) {
    if (button == Qt::LeftButton && host_.conversionAreaActive())
        return *areaTool_;
    if (!tool_ || toolIndex_ != host_.currentTool()) {
        toolIndex_ = host_.currentTool();
        tool_ = makeTool(toolIndex_);
    }
    return *tool_;
}

void CKadroView::setToolCursor() {
    viewport()->setCursor(artwork::toolCursor(host_.currentTool()));
}

void CKadroView::mousePressEvent(QMouseEvent* event) {
    if (pressed_)
        return;
    pressed_ = &toolFor(event->button());
    pressed_->press(*this, event->button(), event->position().toPoint());
    if (!pressed_->tracking())
        pressed_ = nullptr;
}

void CKadroView::mouseMoveEvent(QMouseEvent* event) {
    setToolCursor();
    if (pressed_)
        pressed_->drag(*this, event->position().toPoint());
}

void CKadroView::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_)
        return;
    ViewTool* tool = pressed_;
    pressed_ = nullptr;
    tool->release(*this, event->button(), event->position().toPoint());
}

void CKadroView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (pressed_) {
            pressed_->cancel(*this);
            pressed_ = nullptr;
        }
        // Posted, as other windows do, so it runs after this key is handled.
        QMetaObject::invokeMethod(
            this, [this] { applyZoom(cmd::zoomNormal); }, Qt::QueuedConnection);
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CKadroView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && host_.outputReady())
        editCell(event->position().toPoint());
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void CKadroView::editCell(QPoint client) {
    const auto pixel = pictureAt(client);
    TileConverter* converter = picture_.converter();
    if (!pixel || !converter)
        return;
    const ConversionSettings& settings = picture_.settings;
    const auto cell = cellIndexAt(settings, pixel->x, pixel->y);
    if (!cell)
        return;
    ConversionResults& results = converter->editableResults();
    const auto entry = readCellEntry(settings, results, *cell);
    if (!entry)
        return;
    PntAttribDialog dialog({entry->name, entry->attribute, settings.pntAttributeMode != 2}, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PntAttrib values = dialog.values();
    writeCellEntry(settings, results, *cell, {values.pntCode, values.attribute});
    picture_.refresh();
    refreshPicture();
}

// --- the tools' environment

void CKadroView::paintPixel(int x, int y, Colour colour) {
    if (picture_.setPixel(x, y, colour))
        refreshPicture();
}

Colour CKadroView::primaryColour() const {
    return host_.infoBar().primaryColour();
}

void CKadroView::pickColour(bool primary, Colour colour) {
    if (primary)
        host_.infoBar().setPrimaryColour(colour);
    else
        host_.infoBar().setSecondaryColour(colour);
}

void CKadroView::zoomStep(bool in) {
    in ? stepIn() : stepOut();
}

void CKadroView::beginRubberBand(QPoint client) {
    band_ = std::make_pair(client, client);
    viewport()->update();
}

void CKadroView::dragRubberBand(QPoint client) {
    if (band_) {
        band_->second = client;
        viewport()->update();
    }
}

std::optional<AreaRect> CKadroView::endRubberBand(QPoint client) {
    if (!band_)
        return std::nullopt;
    const QPoint from = band_->first;
    band_.reset();
    viewport()->update();
    return zoom_.mapRubberBand({from.x(), from.y()}, {client.x(), client.y()}, scrollPosition(),
                               totalSize());
}

void CKadroView::cancelRubberBand() {
    band_.reset();
    viewport()->update();
}

void CKadroView::selectArea(const AreaRect& area) {
    picture_.setSelection({area.left, area.top, area.right, area.bottom});
    viewport()->update();
}

void CKadroView::selectConversionArea(const AreaRect& area) {
    const AreaRect snapped = snapToCells(area, {picture_.width(), picture_.height()});
    host_.conversionAreaChanged(snapped);
    viewport()->update();
}

void CKadroView::beep() {
    QApplication::beep();
}

// --- messages

bool CKadroView::event(QEvent* event) {
    if (ViewMessageEvent::isViewMessage(event))
        return handleMessage(event);
    return QAbstractScrollArea::event(event);
}

// Every sender uses ViewMessageEvent, so the index and colour are always there.
bool CKadroView::handleMessage(QEvent* event) {
    const auto* message = static_cast<ViewMessageEvent*>(event);
    switch (message->message()) {
    case ViewMessage::FlashBegin:
        flash_.begin(picture_, message->index());
        break;
    case ViewMessage::FlashToggle:
        if (flash_.toggle(picture_))
            refreshPicture();
        break;
    case ViewMessage::FlashEnd:
        if (flash_.end(picture_, message->index()))
            refreshPicture();
        break;
    case ViewMessage::ReplaceColour:
        if (replaceUsedColour(picture_, message->index(), message->colour()))
            refreshPicture();
        break;
    case ViewMessage::RealizePalette: // Qt draws in true colour: nothing to realise
    case ViewMessage::RefreshPicture:
        refreshPicture();
        break;
    case ViewMessage::ConversionDone:
        runConversion();
        break;
    }
    return true;
}

void CKadroView::runConversion() {
    if (picture_.convert())
        host_.conversionFinished();
    applyZoom(cmd::zoomNormal);
    pictureChanged();
}

} // namespace kadro::gui
