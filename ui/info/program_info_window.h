#pragma once

#include <QDialog>

namespace orv {

struct Session;

// "Programminformationen": name, version and maker, what the program computes and where its limits
// lie, the licence, and where the settings, the last building and the catalogue are kept. Modeless;
// kept (hidden) once created.
class ProgramInfoWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgramInfoWindow)

  public:
    ProgramInfoWindow(const Session& session, QWidget* parent);

    // Centred on the main window, widened and heightened by the window enlargement; shown and in front.
    void Startprozeduren(const QRect& mainWindowGeometry, int extraWidth, int extraHeight);
};

} // namespace orv
