#include "ui/settings/guarded_check_box.h"

#include "core/dialogs.h"

#include <QCheckBox>

namespace orv {

QCheckBox* namedCheckBox(const QString& name, const QString& caption)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    return box;
}

void askBeforeSwitchingOff(QCheckBox* box, Dialogs& dialogs, const char* caption, const char* question)
{
    QObject::connect(box, &QCheckBox::clicked, box, [box, &dialogs, caption, question](bool checked) {
        if (checked)
            return;
        const Message ask{QString::fromUtf8(question), QString::fromUtf8(caption), MessageIcon::Warning,
                          MessageButtons::YesNo, MessageAnswer::No};
        if (dialogs.show(ask) != MessageAnswer::Yes)
            box->setChecked(true);
    });
}

} // namespace orv
