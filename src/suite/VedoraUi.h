#pragma once
// The window half of the display library: text windows, 3-D frames, the
// choice of where a list or a picture goes, and the suite's colours.

#include <QImage>
#include <QStringList>
#include <string>

#include "suite/FereastraText.h"
#include "suite/Vedora.h"

class QPainter;
class QPrinter;
class QWidget;

namespace vitramor {

// Known text window ids: 0 and 1 (general reports, connection information)
// and 40045 (the dispersion check reports).
inline constexpr int IdFereastraTextGenerala = 0;
inline constexpr int IdFereastraTextInfo = 1;
inline constexpr int IdFereastraTextVerificare = 40045;

// Creates and shows a text window (objectName = the id) holding the block;
// null when no window can be made. `rezervat` is kept for the callers that
// pass it and is not used.
TextWindow* InitInstanceAfisWnd(QWidget* parent, int rezervat, int id, const std::string& titlu,
                                const BlocText& bloc);

// A raised (ZonaSus) or sunken (ZonaJos) 3-D frame two pixels wide on the
// rectangle from (left, top) to (right, bottom), the right and bottom edges
// excluded as in a Win32 rectangle. Only the frame is drawn.
void ZonaSus(QPainter& p, int left, int top, int right, int bottom);
void ZonaJos(QPainter& p, int left, int top, int right, int bottom);

// Output modes of PeCeSeListeaza.
inline constexpr int ListareImagine = 3;
inline constexpr int ListareLinii = 4;

// Asks the user where the data goes (printer, file, clipboard) and sends it
// there. Mode 4 takes the lines of a list (text file), mode 3 a picture (PNG
// file). Returns 1 when the data went out, 0 when the user cancelled, the
// mode does not fit the data or the output failed (its message shown).
int PeCeSeListeaza(QWidget* owner, int mod, const QStringList& linii);
int PeCeSeListeaza(QWidget* owner, int mod, const QImage& imagine);

// The printer halves of PeCeSeListeaza, on a printer already set up.
bool TiparesteLinii(QPrinter& imprimanta, const QStringList& linii);
bool TiparesteImagine(QPrinter& imprimanta, const QImage& imagine);

// 0 at start-up installs the suite's palette on the application and
// remembers the one in force; 1 at exit puts the remembered one back.
// Returns 1 when it changed the palette.
int SetareCuloriSystem(int mod);

}  // namespace vitramor
