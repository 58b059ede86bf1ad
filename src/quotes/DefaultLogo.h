#pragma once

#include <QImage>
#include <QString>

class QIcon;

// The issuer's logo: the picture file Logo.bmp of the program folder, and the blue euro sign drawn
// here that stands in for it when the file is missing or unreadable.
namespace DefaultLogo {

constexpr int kWidth = 297;
constexpr int kHeight = 184;

// The built-in logo: a blue euro sign on white, kWidth x kHeight.
QImage image();
// The euro sign alone on a transparent square, for picture buttons.
QIcon icon();
// "No logo": a 2 x 2 white picture, which prints as nothing.
QImage blank();

} // namespace DefaultLogo

namespace LogoFile {

QString path();
// Logo.bmp as stored, or the built-in logo when the file is missing or cannot be read.
QImage load();
// The same for a logo file elsewhere (the folder of a copied archive).
QImage loadFrom(const QString &file);
// Writes the picture as a 24-bit Windows bitmap in place of Logo.bmp. The old file stays whole
// when the new one cannot be written. False on failure.
bool save(const QImage &picture);

} // namespace LogoFile
