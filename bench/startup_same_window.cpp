#include "startup_same_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <string_view>

#include "framework/QtLook.h"
#include "shell/layout.h"

namespace {

const QtLook& Aussehen() {
    static const QtLook look = FrameworkQtLook();
    return look;
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor Farbe(Color c) {
    return QColor(c.red, c.green, c.blue);
}

// As the framework does: a control whose font is the application's keeps it unset.
void Schrift(QWidget& widget, const Werte& werte) {
    const QFont font = Aussehen().controlFont(
        werte.textSize.value_or(0), werte.textUnit.value_or(0), werte.bold.value_or(false));
    if (font != widget.font()) widget.setFont(font);
}

void Grundfarbe(QWidget& widget, const Werte& werte) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, Farbe(werte.backColor.value()));
    widget.setPalette(palette);
}

QWidget* GleichesSteuerelement(const Steuerelement& zeile, QWidget* flaeche) {
    const Werte werte = WerteVon(zeile);
    const QtLook& look = Aussehen();
    QWidget* widget = nullptr;
    switch (zeile.klasse) {
        case Klasse::TextField: {
            auto* edit = new QLineEdit(flaeche);
            edit->setAlignment(look.fieldAlignment(werte.alignment.value()) | Qt::AlignVCenter);
            edit->setReadOnly(werte.readOnly.value());
            if (!zeile.text.empty()) edit->setText(Q(zeile.text));
            Grundfarbe(*edit, werte);
            widget = edit;
            break;
        }
        case Klasse::TextArea: {
            auto* edit = new QTextEdit(flaeche);
            edit->setAcceptRichText(false);
            edit->setTabChangesFocus(true);
            edit->setLineWrapMode(QTextEdit::NoWrap);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->document()->setDocumentMargin(2);
            QTextOption option = edit->document()->defaultTextOption();
            option.setAlignment(look.fieldAlignment(werte.alignment.value()));
            edit->document()->setDefaultTextOption(option);
            edit->setPlainText(Q(zeile.text));
            Grundfarbe(*edit, werte);
            widget = edit;
            break;
        }
        case Klasse::Label: {
            QString text = Q(zeile.text);
            while (text.endsWith(QChar('\r'))) text.chop(1);
            auto* label = new QLabel(text, flaeche);
            label->setAlignment(look.labelAlignment(werte.textAlign.value()) | Qt::AlignVCenter);
            widget = label;
            break;
        }
        case Klasse::PushButton: {
            auto* button = new QPushButton(Q(zeile.text), flaeche);
            button->setAutoDefault(false);
            button->setDefault(werte.isDefault.value());
            widget = button;
            break;
        }
        case Klasse::ComboBox: {
            auto* combo = new QComboBox(flaeche);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
            combo->addItems(Q(werte.entries.value()).split(QChar('\r')));
            widget = combo;
            break;
        }
        case Klasse::Canvas:
            widget = new QWidget(flaeche);
            break;
        case Klasse::UpDownArrows: {
            widget = new QWidget(flaeche);
            auto* layout = new QVBoxLayout(widget);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->setSpacing(0);
            for (Qt::ArrowType pfeil : {Qt::UpArrow, Qt::DownArrow}) {
                auto* button = new QToolButton(widget);
                button->setArrowType(pfeil);
                button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
                button->setFocusPolicy(Qt::NoFocus);
                layout->addWidget(button);
            }
            break;
        }
    }
    widget->setGeometry(zeile.left, zeile.top, zeile.width, zeile.height);
    Schrift(*widget, werte);
    widget->setEnabled(werte.enabled.value());
    widget->setVisible(werte.visible.value());
    return widget;
}

void GleicheMenueleiste(QMenuBar& leiste) {
    leiste.setNativeMenuBar(false);
    leiste.addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("&Quit"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    QMenu* bearbeiten = leiste.addMenu(QStringLiteral("&Edit"));
    bearbeiten->addAction(QStringLiteral("&Undo"))->setShortcut(QKeySequence::Undo);
    bearbeiten->addSeparator();
    bearbeiten->addAction(QStringLiteral("Cu&t"))->setShortcut(QKeySequence::Cut);
    bearbeiten->addAction(QStringLiteral("&Copy"))->setShortcut(QKeySequence::Copy);
    bearbeiten->addAction(QStringLiteral("&Paste"))->setShortcut(QKeySequence::Paste);
    bearbeiten->addAction(QStringLiteral("&Delete"));
    bearbeiten->addSeparator();
    bearbeiten->addAction(QStringLiteral("Select &All"))->setShortcut(QKeySequence::SelectAll);
}

}  // namespace

void GleicheAnwendung() {
    Aussehen().dressApplication();
}

std::unique_ptr<QWidget> GleichesFenster() {
    auto fenster = std::make_unique<QWidget>(
        nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                     Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint |
                     Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    fenster->setWindowTitle(QStringLiteral("Vemtarix"));
    auto* leiste = new QMenuBar(fenster.get());
    GleicheMenueleiste(*leiste);
    auto* flaeche = new QWidget(fenster.get());
    for (const Steuerelement& zeile : Steuerelemente()) GleichesSteuerelement(zeile, flaeche);
    const int oben = leiste->sizeHint().height();
    leiste->setGeometry(0, 0, 994, oben);
    flaeche->setGeometry(0, oben, 994, 754);
    fenster->setMinimumSize(64, 64 + oben);
    fenster->setMaximumSize(32000, 32000 + oben);
    fenster->resize(994, 754 + oben);
    return fenster;
}
