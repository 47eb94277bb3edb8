// Shared set-ups of the output tests: an application whose surfaces show known curves, and
// the tools that read a printed PDF back.
#pragma once

#include "app/Ondalis.h"

#include <QImage>
#include <QString>
#include <initializer_list>

// Constants of the start routine, ranks 1 (80 % sine) and 2 (40 % sine of twice the frequency)
// filled in, and the given ranks validated and drawn, which also draws the rebuilt signal.
void PrepareRangs(Ondalis& app, std::initializer_list<int> rangs);

// The PDF rasterised by pdftoppm at `dpi` without anti-aliasing; a null image on failure.
QImage RasterisePdf(const QString& pdf, int dpi);
// Number of pages reported by pdfinfo (-1 on failure).
int NombrePages(const QString& pdf);
// Number of bitmaps embedded in the PDF, as listed by pdfimages (-1 on failure).
int NombreImagesPdf(const QString& pdf);

// Whether a pixel within `rayon` of (x, y) has colour `couleur`, each channel within `ecart`.
bool CouleurPres(const QImage& image, int x, int y, QColor couleur, int rayon, int ecart = 40);
