#pragma once
// The type tags of the values of an offer file and its signature.
#include <cstdint>

namespace TagiStrumienia {

inline constexpr char kSygnatura[] = "TPF0";
inline constexpr int kDlugoscSygnatury = 4;
inline constexpr int kDlugoscExtended = 10;

inline constexpr uint8_t kKoniecListy = 0x00;
inline constexpr uint8_t kLista = 0x01;
inline constexpr uint8_t kInt8 = 0x02;
inline constexpr uint8_t kInt16 = 0x03;
inline constexpr uint8_t kInt32 = 0x04;
inline constexpr uint8_t kExtended = 0x05;
inline constexpr uint8_t kKrotkiTekst = 0x06;
inline constexpr uint8_t kFalse = 0x08;
inline constexpr uint8_t kTrue = 0x09;
inline constexpr uint8_t kDlugiTekst = 0x0C;
inline constexpr uint8_t kTekstUtf16 = 0x12;
inline constexpr uint8_t kInt64 = 0x13;
inline constexpr uint8_t kTekstUtf8 = 0x14;
inline constexpr uint8_t kDouble = 0x15;

} // namespace TagiStrumienia
