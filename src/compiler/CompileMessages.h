#pragma once

// The texts the compiler shows, byte for byte as the program has always shown them. Each one with
// "%d" takes the line number; those with two take the name limit first.
namespace sky::msg {

inline constexpr const char* kCantOpenInput = "Can't open Input file : %s\n";
inline constexpr const char* kCantOpenOutput = "Can't open Output file : %s\n";
inline constexpr const char* kCantOpenTemp = "Can't open .temp file : %s\n";
inline constexpr const char* kCantWriteOutput = "Can't write Output file : %s\n";

inline constexpr const char* kCheckLine =
    "\n  ERROR : check the following line!!   \n ==> line number %d ";
inline constexpr const char* kInvalidState =
    "\n ERROR : INVALID state !!!\n           line number %d ";
inline constexpr const char* kUnknownHeader = "\nERROR : syntax in %s !!!\n  line number %d ";
inline constexpr const char* kSatNameCount =
    "\n ERROR : SYNTAX - Number of SAT NAME should be %d !!!\nline number %d ";

// Indexes outside the tables of the compiler.
inline constexpr const char* kSatIndexRange =
    "\n ERROR : SYNTAX - SAT INDEX out of range !!!\n           line number %d ";
inline constexpr const char* kTpIndexRange =
    "\n ERROR : SYNTAX - D_TP INDEX out of range !!!\n           line number %d ";
inline constexpr const char* kSvcIndexRange =
    "\n ERROR : SYNTAX - SVC INDEX out of range !!!\n           line number %d ";
inline constexpr const char* kAnalogIndexRange =
    "\n ERROR : SYNTAX - A_TP INDEX out of range !!!\n           line number %d ";

// Satellite names and satellites.
inline constexpr const char* kSatNameExceeds =
    "\n ERROR : SYNTAX - SAT NAME exceeds %d!!!\n         line number %d ";
inline constexpr const char* kSatNameIndex =
    "\n ERROR : SYNTAX - SAT NAME INDEX !!!\n         line number %d ";
inline constexpr const char* kSatelliteIllegal = "Satellite Section's information is illegal!!!";
inline constexpr const char* kSameSatIndex =
    "\n\n ERROR - same INDEX already exists. \n         line number %d ";
inline constexpr const char* kLnbHigh =
    "\n ERROR : SYNTAX - SAT LNB_HIGH frequency. 4 or 5 digit requested !!!\n         line number "
    "%d ";
inline constexpr const char* kLnbLow =
    "\n ERROR : SYNTAX - SAT LNB_LOW frequency. 4 or 5 digit requested !!!\n         line number "
    "%d ";

// Digital transponders: the Basic and the Normal texts differ.
inline constexpr const char* kSameTpIndex =
    "\n\n ERROR - same D_TP INDEX already exists.\n           line number %d ";
inline constexpr const char* kTpFrequencyBasic =
    "\n\n\n ERROR : SYNTAX - D_TP frequency !!!.\n           line number %d ";
inline constexpr const char* kTpSymbolRateBasic =
    "\n\n\n ERROR : SYNTAX - D_TP symbol rate. 4 or 5 digit requested !!!.\n           line "
    "number %d ";
inline constexpr const char* kTpPolarizationBasic =
    "\n\n ERROR : SYNTAX - D_TP Polarization !!!.\n           line number %d ";
inline constexpr const char* kTpPolarizationNormal =
    "\n ERROR : SYNTAX - D_TP Polarization !!!\n           line number %d ";
inline constexpr const char* kTpFrequencyNormal =
    "\n ERROR : SYNTAX - D_TP frequency. 4 or 5 digit requested !!!\n           line number %d ";
inline constexpr const char* kTpSymbolRateNormal =
    "\n ERROR : SYNTAX - D_TP symbol rate. 4 or 5 digit requested !!!\n           line number %d ";

// Channels.
inline constexpr const char* kSameSvcIndex =
    "\n\n ERROR - same SVC INDEX already exists.\n           line number %d ";
inline constexpr const char* kBlank =
    "\n ERROR : SYNTAX - blank !!! Y or N is OK.\n           line number %d ";
inline constexpr const char* kChannelBlank =
    "\n ERROR : SYNTAX - CHANNEL blank !!!\n           line number %d ";
inline constexpr const char* kPidBlankNormal =
    "\n\n ERROR - D_TP Blank must Y or N.\n           line number %d ";
inline constexpr const char* kTpIndex = "\n\n ERROR - D_TP index.\n           line number %d ";
inline constexpr const char* kPidTpIndexNormal =
    "\n\n ERROR - D_TP:fail make Tp map table.\n           line number %d ";
inline constexpr const char* kSvcTypeBasic =
    "\n ERROR : SYNTAX - SVC Type !!!  TV or RADIO is OK.\n           line number %d ";
inline constexpr const char* kSvcType =
    "\n ERROR : SYNTAX - svc type !!! TV or RADIO is OK.\n           line number %d ";
inline constexpr const char* kNameExceeds =
    "\n ERROR : SYNTAX - NAME exceeds %d!!!\n           line number %d ";
inline constexpr const char* kPidNameExceedsBasic =
    "\n ERROR : SYNTAX - DIGITAL CHANNEL NAME exceeds %d!!!\n           line number %d ";

// Analog channels.
inline constexpr const char* kTvRadio =
    "\n ERROR : SYNTAX - TV/RADIO!!!\n           line number %d ";
inline constexpr const char* kAnalogFrequency =
    "\n ERROR : SYNTAX - A_TP frequency. 4 or 5 digit requested !!!\n           line number %d ";
inline constexpr const char* kVideoBand =
    "\n ERROR : SYNTAX - A_TP video band !!!\n           line number %d ";
inline constexpr const char* kAnalogPolarization =
    "\n ERROR : SYNTAX - A_TP Polarization !!!\n           line number %d ";
inline constexpr const char* kAudioMode =
    "\n ERROR : SYNTAX - A_TP audio mode !!!\n           line number %d ";
inline constexpr const char* kDecoderOutput =
    "\n ERROR : SYNTAX - A_TP decoder output !!!\n           line number %d ";
inline constexpr const char* kAudioBand =
    "\n ERROR : SYNTAX - A_TP audio band !!!\n           line number %d ";
inline constexpr const char* kDeEmphasis =
    "\n ERROR : SYNTAX - A_TP De-Emphasis !!!\n           line number %d ";
inline constexpr const char* kPanda =
    "\n ERROR : SYNTAX - A_TP panda_enable !!!\n           line number %d ";
inline constexpr const char* kTpBand =
    "\n ERROR : SYNTAX - A_TP TP_band !!!\n           line number %d ";

}  // namespace sky::msg
