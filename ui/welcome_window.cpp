#include "ui/welcome_window.h"

#include "core/session.h"
#include "files/building_files.h"
#include "files/building_view.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace orv {

WelcomeWindow::WelcomeWindow(Session& session, Dialogs& dialogs, BuildingFiles& files, QWidget* parent)
    : QDialog(parent), m_session(session), m_dialogs(dialogs), m_files(files)
{
    setWindowTitle(QStringLiteral("kvz Orvenna - Startinformationen"));
    buildLayout();

    m_delay.setSingleShot(true);
    m_delay.setInterval(600);
    m_step.setInterval(150);
    connect(&m_delay, &QTimer::timeout, this, [this] { m_step.start(); });
    connect(&m_step, &QTimer::timeout, this,
            [this] { m_banner->setText(runningTextStep(m_banner->text())); });
    connect(m_showAtStart, &QCheckBox::clicked, this, &WelcomeWindow::showAtStartClicked);
    connect(m_ok, &QPushButton::clicked, this, &WelcomeWindow::accept);
}

void WelcomeWindow::buildLayout()
{
    auto* bannerPanel = new QFrame;
    bannerPanel->setAutoFillBackground(true);
    QPalette bannerColours = bannerPanel->palette();
    bannerColours.setColor(QPalette::Window, QColor(31, 78, 121));
    bannerColours.setColor(QPalette::WindowText, Qt::white);
    bannerPanel->setPalette(bannerColours);

    // A fixed-pitch font keeps the rotating text from jittering.
    m_banner = new QLabel(QString::fromUtf8(kWelcomeRunningText));
    QFont bannerFont(QStringLiteral("Monospace"));
    bannerFont.setStyleHint(QFont::TypeWriter);
    bannerFont.setPointSize(13);
    bannerFont.setBold(true);
    m_banner->setFont(bannerFont);
    auto* purpose =
        new QLabel(QStringLiteral("Ihr Programm zur einfachen und schnellen Berechnung der Gebäudeheizlast"));
    auto* bannerLayout = new QVBoxLayout(bannerPanel);
    bannerLayout->addWidget(m_banner);
    bannerLayout->addWidget(purpose);

    auto* question = new QLabel(QStringLiteral("Was möchten Sie tun?"));
    QFont questionFont = question->font();
    questionFont.setBold(true);
    question->setFont(questionFont);
    m_new = new QRadioButton(QStringLiteral("&Neue Berechnung beginnen"));
    m_last = new QRadioButton(QStringLiteral("&Letztes Gebäude öffnen (AutoSpeichern)"));
    m_saved = new QRadioButton(QStringLiteral("&Gespeichertes Gebäude öffnen"));
    m_new->setChecked(true);
    for (QRadioButton* choice : {m_new, m_last, m_saved})
        choice->installEventFilter(this);

    m_showAtStart = new QCheckBox(QStringLiteral("&Fenster bei Programmstart anzeigen"));
    m_showAtStart->setChecked(m_session.settings.ShowWelcomeWindow);
    m_ok = new QPushButton(QStringLiteral("&OK"));
    m_ok->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_showAtStart);
    bottom->addStretch();
    bottom->addWidget(m_ok);

    auto* choices = new QVBoxLayout;
    choices->setContentsMargins(16, 8, 16, 8);
    choices->addWidget(question);
    choices->addWidget(m_new);
    choices->addWidget(m_last);
    choices->addWidget(m_saved);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bannerPanel);
    layout->addLayout(choices);
    layout->addLayout(bottom);
}

void WelcomeWindow::Startprozeduren(const QRect& mainWindowGeometry, int extraWidth, int extraHeight)
{
    const QSize content = sizeHint();
    const int width = content.width() + 25 + extraWidth;
    const int height = content.height() + 40 + extraHeight;
    const int left =
        mainWindowGeometry.left() + static_cast<int>(std::lround((mainWindowGeometry.width() - width) / 2.0));
    setGeometry(left, mainWindowGeometry.top() + 68, width, height);

    m_delay.start();
    const WelcomeAvailability available = welcomeAvailability(m_session, m_files.autoSavePath());
    m_last->setEnabled(available.lastBuilding);
    m_saved->setEnabled(available.savedBuilding);
}

QString WelcomeWindow::runningText() const
{
    return m_banner->text();
}

QRadioButton* WelcomeWindow::choiceButton(WelcomeChoice choice) const
{
    switch (choice) {
    case WelcomeChoice::NewCalculation:
        return m_new;
    case WelcomeChoice::LastBuilding:
        return m_last;
    case WelcomeChoice::SavedBuilding:
        return m_saved;
    }
    return m_new;
}

WelcomeChoice WelcomeWindow::selectedChoice() const
{
    if (m_last->isChecked())
        return WelcomeChoice::LastBuilding;
    if (m_saved->isChecked())
        return WelcomeChoice::SavedBuilding;
    return WelcomeChoice::NewCalculation;
}

void WelcomeWindow::accept()
{
    stopRunningText();
    carryOutWelcomeChoice(selectedChoice(), m_files, [this] { closeWindow(); });
}

void WelcomeWindow::reject()
{
    closeWindow();
}

void WelcomeWindow::closeWindow()
{
    stopRunningText();
    if (m_closed)
        return;
    m_closed = true;
    done(QDialog::Rejected);
    m_files.view().focusLength();
}

void WelcomeWindow::stopRunningText()
{
    m_delay.stop();
    m_step.stop();
}

void WelcomeWindow::showAtStartClicked(bool checked)
{
    const bool shown = welcomeCheckBoxChanged(checked, m_session, m_dialogs);
    const QSignalBlocker blocker(m_showAtStart);
    m_showAtStart->setChecked(shown);
}

bool WelcomeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto* choice = qobject_cast<QRadioButton*>(watched);
        if (choice && choice->isEnabled()) {
            choice->setChecked(true);
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orv
