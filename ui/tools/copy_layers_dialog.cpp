#include "ui/tools/copy_layers_dialog.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace orv {

CopyLayersDialog::CopyLayersDialog(int currentKind, QWidget* calculator)
    : QDialog(calculator, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName("CopyLayersDialog");
    setWindowTitle("Kopieren in aktuellen k-Wert");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Bitte k-Wert wählen, dessen Schichten eingefügt werden sollen"));
    auto* warning = new QLabel("Achtung! Alle Schichten des aktuellen Bauteils werden überschrieben!");
    warning->setStyleSheet("font-weight: bold;");
    layout->addWidget(warning);

    auto* frame = new QGroupBox;
    frame->setAccessibleName("Schichten kopieren aus");
    auto* options = new QVBoxLayout(frame);
    const char* const captions[] = {"A&ußenwand", "&Dach/Decke", "A&W erdreichberührt", "K&ellerboden"};
    for (int kind = 1; kind <= 4; ++kind) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[kind - 1]));
        option->setObjectName(QStringLiteral("CopySource%1").arg(kind));
        option->installEventFilter(this);
        m_options[kind - 1] = option;
        options->addWidget(option);
    }
    layout->addWidget(frame);
    option(currentKind)->setEnabled(false);
    option(preselectedSource(currentKind))->setChecked(true);

    auto* buttons = new QHBoxLayout;
    auto* copyButton = new QPushButton("&Kopieren");
    copyButton->setObjectName("CopyButton");
    copyButton->setDefault(true);
    auto* cancel = new QPushButton("&Abbruch");
    cancel->setObjectName("CancelButton");
    cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(copyButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(copyButton, &QPushButton::clicked, this, &CopyLayersDialog::copy);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CopyLayersDialog::preselectedSource(int currentKind)
{
    switch (currentKind) {
    case 1:
        return 3;
    case 2:
        return 1;
    case 3:
        return 4;
    default:
        return 3;
    }
}

int CopyLayersDialog::selectedKind() const
{
    for (int kind = 1; kind <= 4; ++kind)
        if (option(kind)->isChecked())
            return kind;
    return 0;
}

void CopyLayersDialog::Startprozeduren(const QRect& calculator)
{
    layout()->activate();
    const QSize size = sizeHint();
    move(calculator.left() + static_cast<int>(std::lround((calculator.width() - size.width()) / 2.0)),
         calculator.top() + 200);
    show();
    option(selectedKind())->setFocus();
}

void CopyLayersDialog::copy()
{
    const int source = selectedKind();
    accept();
    if (source != 0)
        emit copyRequested(source);
}

bool CopyLayersDialog::eventFilter(QObject* watched, QEvent* event)
{
    auto* option = qobject_cast<QRadioButton*>(watched);
    if (event->type() == QEvent::MouseButtonDblClick && option && option->isEnabled()) {
        option->setChecked(true);
        copy();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orv
