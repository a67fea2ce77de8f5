#pragma once
// Catalogue numbers of the photometric viewer's checks, diagram export, lamp
// fields, table editor and project companion texts.
namespace nottaro {

inline constexpr int MsgPannelloVerifiche = 1500;
inline constexpr int MsgLuceAlto = 1501;               // %1 Imax, %2 C, %3 gamma, %4 cells above the limit
inline constexpr int MsgLuceAltoNonVerificabile = 1502;  // %1 last gamma
inline constexpr int MsgNadir = 1503;                  // %1 min, %2 max, %3 difference %
inline constexpr int MsgZenit = 1504;                  // %1 min, %2 max, %3 difference %
inline constexpr int MsgNadirNonMisurato = 1505;
inline constexpr int MsgCopertura = 1506;  // %1 first gamma, %2 last gamma, %3 gamma step, %4 C gap
inline constexpr int MsgFlusso = 1507;     // %1 lm/klm, %2 LOR, %3 LORL, %4 DFF, %5 declared DFF
inline constexpr int MsgNonDichiarato = 1508;
inline constexpr int MsgEsportaTitolo = 1509;
inline constexpr int MsgEsportaPulsante = 1510;
inline constexpr int MsgFiltroPng = 1511;
inline constexpr int MsgFiltroSvg = 1512;
inline constexpr int MsgScritturaFallita = 1513;   // %1 file
inline constexpr int MsgCampoLampadaVuoto = 1515;  // %1 field caption, %2 lamp set
inline constexpr int MsgCellaNonValida = 1516;     // %1 C, %2 gamma, %3 text
inline constexpr int MsgCompagnoFallito = 1517;    // %1 file
inline constexpr int MsgDichiarato = 1518;         // %1 value

}  // namespace nottaro
