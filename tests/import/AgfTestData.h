#pragma once
// Glasses of public catalogues, written as AGF text by the tests themselves.
#include <string>

namespace vitramor::test {

// Schott N-BK7 and F2 (Sellmeier), Heraeus fused silica (Malitson), the
// classic Schott power-series BK7, silicon (Herzberger, infrared, nd
// placeholder 1) and that BK7 written as formula 13.
inline const char* const NBK7Agf =
    "NM N-BK7 2 517642.251 1.5168 64.17 0 1 0\n"
    "GC \n"
    "ED 7.1 8.3 2.51 -0.0009 0\n"
    "CD 1.03961212 0.00600069867 0.231792344 0.0200179144 1.01046945 103.560653 0 0 0 0\n"
    "TD 1.86e-6 1.31e-8 -1.37e-11 4.34e-7 6.27e-10 0.17 20\n"
    "OD 1 2 0 1 2 2.3\n"
    "LD 0.3 2.5\n"
    "IT 0.31 0.29 10\nIT 0.4 0.997 10\nIT 0.7 0.999 10\nIT 1.06 0.999 25\n";
inline const char* const F2Agf =
    "NM F2 2 620364.360 1.62004 36.37 0 0 0\n"
    "ED 8.2 9.2 3.599 0.0045 0\n"
    "CD 1.34533359 0.00997743871 0.209073176 0.0470450767 0.937357162 111.886764 0 0 0 0\n"
    "OD 1.6 1 0 1 2.3 1.3\n"
    "LD 0.32 2.5\n";
inline const char* const SilicaAgf =
    "NM SUPRASIL 2.00000E+00 0 1.458464 67.82 0 0 0\n"
    "CD 0.6961663 0.00467914826 0.4079426 0.0135120631 0.8974794 97.9340025\n"
    "LD 0.21 3.71\n";
inline const char* const BK7SchottAgf =
    "NM BK7 1 - 1.5168 64.17 0 2 0\n"
    "CD 2.2718929 -1.0108077e-2 1.0592509e-2 2.0816965e-4 -7.6472538e-6 4.9240991e-7 0 0 0 0\n"
    "LD 0.31 2.33\n";
inline const char* const SiliciuAgf =
    "NM SILICON 3 0 1.0 0 0 0 0\n"
    "CD 3.41696 0.138497 0.013924 -2.09e-5 1.48e-10 0 0 0 0 0\n"
    "LD 1.36 11\n";
inline const char* const BK7Extins3Agf =
    "NM BK7-E3 13 0 1.5168 64.17 0 0 0\n"
    "CD 2.2718929 -1.0108077e-2 0 1.0592509e-2 2.0816965e-4 -7.6472538e-6 4.9240991e-7 0 0 0\n"
    "LD 0.31 2.33\n";

// One glass of each formula that no equation code holds exactly, made up
// around the N-BK7 curve (nd and vd from their own formula), then an
// infrared glass of formula 12 over 2 - 14 um whose curve no Sellmeier form
// follows closely, as the makers' chalcogenide glasses.
inline const char* const FormuleAproximateAgf =
    "NM F4 4 0 1.516911 49.07 0 0 0\nCD 1.0 1.27 0.1072 104.6 10.18\nLD 0.32 2.5\n"
    "NM F5 5 0 1.517423 61.62 0 0 0\nCD 1.4990 0.0092 0.00043\nLD 0.4 1.0\n"
    "NM F6 6 0 1.520650 61.38 0 0 0\nCD 1.03961212 0.00600069867 0.231792344 0.0200179144 1.01046945 103.560653 "
    "0.01 0.05\nLD 0.3 2.5\n"
    "NM F7 7 0 1.516856 64.35 0 0 0\nCD 2.2720 0.01070 0.0140 0.0100\n"
    "NM F8 8 0 1.512835 64.01 0 0 0\nCD 1.5 0.76 0.014 0.01\n"
    "NM F9 9 0 1.512831 63.97 0 0 0\nCD 1.5 0.76 0.014 1.0 100\nLD 0.35 2.0\n"
    "NM F10 10 0 1.516800 64.14 0 0 0\nCD 2.2718929 -1.0108077e-2 1.0592509e-2 2.0816965e-4 -7.6472538e-6 "
    "4.9240991e-7 1e-8 -1e-10\nLD 0.31 2.33\n"
    "NM F11 11 0 1.520638 61.33 0 0 0\nCD 1.03961212 0.00600069867 0.231792344 0.0200179144 1.01046945 "
    "103.560653 0.01 0.05 0.02 200\nLD 0.3 2.5\n"
    "NM IRG12 12 - 1.0 0 0 0 0\nCD 6.2 -2.5e-4 0.40 0.05 -0.01 0.003 -2.4e-6 6e-9 0 0\nLD 2 14\n";

// A catalogue as makers write it: CRLF line ends, `-` for what is not
// known (the MIL number, nd and vd, expansion, cost and classes, unused
// coefficients), lines cut short after the last known field, a glass with
// LD 0 0 and an infrared glass of formula 12.
inline const char* const CatalogProducatorAgf =
    "CC Catalog producator 2024\r\n"
    "NM MK-BK7 2 - 1.5168 64.17 0 0\r\n"
    "GC \r\n"
    "ED 7.1 - 2.51 - 0\r\n"
    "CD 1.03961212 0.00600069867 0.231792344 0.0200179144 1.01046945 103.560653 - - - -\r\n"
    "TD 1.86e-6 1.31e-8 -1.37e-11 4.34e-7 6.27e-10 0.17 -\r\n"
    "OD - 2 - 1 - 2.3\r\n"
    "LD 0.3 2.5\r\n"
    "IT 0.4 0.997 10\r\n"
    "NM MK-F2 2 620364 1.62004 36.37\r\n"
    "CD 1.34533359 0.00997743871 0.209073176 0.0470450767 0.937357162 111.886764\r\n"
    "OD 1.6 1\r\n"
    "LD 0 0\r\n"
    "NM MK-IR12 12 - - - 0 0 -\r\n"
    "ED 14.5 - 4.41\r\n"
    "CD 6.2 -2.5e-4 0.40 0.05 -0.01 0.003 -2.4e-6 6e-9 - -\r\n"
    "TD - - - - - - -\r\n"
    "OD - - - - - -\r\n"
    "LD 2 14\r\n"
    "IT 2 0.95 5\r\n"
    "IT 14 - 5\r\n";

// The text as a UTF-16 little-endian file with its byte-order mark.
inline std::string Utf16Le(const std::string& text) {
    std::string u = "\xFF\xFE";
    for (char c : text) u += c, u += '\0';
    return u;
}

}  // namespace vitramor::test
