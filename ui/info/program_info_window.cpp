#include "ui/info/program_info_window.h"

#include "core/program_description.h"
#include "core/session.h"
#include "ui/info/program_icon.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

QLabel* paragraph(const QString& text, const char* name)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

// Paths are worth copying into a file manager.
QLabel* pathLabel(const QString& path, const char* name)
{
    QLabel* label = paragraph(path, name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

} // namespace

ProgramInfoWindow::ProgramInfoWindow(const Session& session, QWidget* parent) : QDialog(parent)
{
    setObjectName("ProgramInfoWindow");
    const ProgramDescription d = programDescription(session.programDir);
    setWindowTitle(d.name + QStringLiteral(" - Programminformationen"));

    auto* icon = new QLabel;
    icon->setPixmap(programIcon().pixmap(64, 64));
    auto* name = paragraph(d.name, "ProgramName");
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* heading = new QVBoxLayout;
    heading->addWidget(name);
    heading->addWidget(paragraph(d.version, "ProgramVersion"));
    heading->addWidget(paragraph(d.maker, "Maker"));
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(heading, 1);

    auto* files = new QFormLayout;
    const std::pair<const char*, QLabel*> places[] = {
        {"&Einstellungen:", pathLabel(d.settingsFile, "SettingsFile")},
        {"&Zuletzt bearbeitetes Gebäude:", pathLabel(d.lastBuildingFile, "LastBuildingFile")},
        {"Baustoff&katalog:", pathLabel(d.catalogueFile, "CatalogueFile")}};
    for (const auto& [caption, path] : places) {
        auto* label = new QLabel(QString::fromUtf8(caption));
        label->setBuddy(path);
        files->addRow(label, path);
    }

    auto* buttons = new QDialogButtonBox;
    QPushButton* close = buttons->addButton("&Schließen", QDialogButtonBox::RejectRole);
    close->setObjectName("CloseButton");
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(paragraph(d.summary, "Summary"));
    layout->addWidget(paragraph(d.limits, "Limits"));
    layout->addWidget(paragraph(d.licence, "Licence"));
    layout->addSpacing(6);
    layout->addLayout(files);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

void ProgramInfoWindow::Startprozeduren(const QRect& main, int extraWidth, int extraHeight)
{
    const QSize natural = sizeHint();
    resize(natural.width() + extraWidth,
           std::max(natural.height(), heightForWidth(natural.width())) + extraHeight);
    const QSize size = this->size();
    move(main.center().x() - size.width() / 2, main.center().y() - size.height() / 2);
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    findChild<QPushButton*>("CloseButton")->setFocus();
}

} // namespace orv
