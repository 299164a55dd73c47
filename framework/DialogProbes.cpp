// The probes of Probes.h that measure the dialogs. Nothing of the program calls them, so the
// program's binary does not hold them.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>

#include "framework/DialogInternals.h"
#include "framework/Internals.h"
#include "framework/Probes.h"

int ListingView::TextHeight() {
    int height = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        height += static_cast<int>(blockBoundingRect(b).height());
    return height;
}

// Scrolled to the end, the last line lies wholly in view; and no line runs beyond the right
// edge. Scrolling moves line by line, so every line in between can be reached as well.
bool ListingView::EveryLineReachable() {
    QScrollBar* bar = verticalScrollBar();
    const int before = bar->value();
    bar->setValue(bar->maximum());
    const QRectF last = blockBoundingGeometry(document()->lastBlock()).translated(contentOffset());
    const bool reachable =
        last.bottom() <= viewport()->height() + 0.5 && horizontalScrollBar()->maximum() == 0;
    bar->setValue(before);
    return reachable;
}

MessageBoxLook LookOfMessageBox(const std::string& text) {
    MessageBoxLook look;
    if (!qApp) return look;
    std::unique_ptr<QDialog> box = NewMessageBox(text, nullptr);
    box->show();  // lays the box out as it appears
    look.height = box->height();
    look.screenHeight = ScreenArea(box.get()).height();
    const auto buttons = box->findChildren<QAbstractButton*>();
    look.buttonInside = !buttons.isEmpty() && look.height <= look.screenHeight;
    for (QAbstractButton* b : buttons) {
        const QRect inBox(b->mapTo(box.get(), QPoint(0, 0)), b->size());
        look.buttonInside = look.buttonInside && b->isVisible() && box->rect().contains(inBox);
    }
    const QString shown = ShownText(text);
    if (auto* view = box->findChild<ListingView*>()) {
        look.lineBreaks = static_cast<int>(view->toPlainText().count(u'\n'));
        look.textHeight = view->TextHeight();
        look.everyLineReachable = view->EveryLineReachable();
    }
    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (label->text() != shown) continue;
        look.lineBreaks = static_cast<int>(label->text().count(u'\n') + label->text().count(u'\r'));
        look.textHeight = label->height();
        // Qt's box breaks lines only at blanks: a run longer than the label is wide is cut off.
        const QRect inBox(label->mapTo(box.get(), QPoint(0, 0)), label->size());
        look.everyLineReachable =
            box->rect().contains(inBox) &&
            WidestWord(shown, QFontMetrics(label->font())) <= label->contentsRect().width();
    }
    box->hide();
    return look;
}

bool FileDialogListsAtFirst(const std::string& filter, const std::string& fileName) {
    if (!qApp) return false;
    auto dialog = NewFileDialog(QFileDialog::AcceptOpen, QString(), filter);
    const QRegularExpression inBrackets(QStringLiteral("\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = inBrackets.match(dialog->selectedNameFilter());
    if (!match.hasMatch()) return false;
    const QStringList patterns = match.captured(1).split(u' ', Qt::SkipEmptyParts);
    return QDir::match(patterns, ToQ(fileName));
}
