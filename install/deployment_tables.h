// The deployment step's tables: older versions to remove, the program folder's icons and links,
// the desktop links by edition, the manuals and their language variants, the documents, the
// programs and the driver package.
#pragma once

#include <array>
#include <string_view>

#include "install/manifest.h"

namespace install {

// A copy of a media file into a folder on drive C under the same file name.
struct FolderCopy {
  std::string_view source;
  std::string_view target_folder;
};

// A copy of a media file to a desktop item; the item's name begins with '\'.
struct DesktopCopy {
  std::string_view source;
  std::string_view item;
};

inline constexpr std::string_view kEditionMarker = "Kalvimar.DLL";
inline constexpr std::string_view kClearSetMarker = "ClearSet.txt";
inline constexpr std::string_view kDriverFolder = "C:\\RoxPelMu4\\CH341SER";
inline constexpr std::string_view kDriverSetupFolder = "C:\\RoxPelMu4\\CH341SER\\DRVSETUP64";

// Table A: older versions of the main program. Empty fields have nothing to remove.
struct OldVersion {
  std::string_view desktop_program;
  std::string_view desktop_link;
  std::string_view program_file;
};
inline constexpr std::array<OldVersion, 10> kOldVersions{{
    {"\\Orvalis 3_12 CZ.exe", "", ""},
    {"\\Orvalis 3_24 CZ.exe", "", ""},
    {"\\Orvalis 3_25 CZ.exe", "", ""},
    {"\\Orvalis 3_26 CZ.exe", "", ""},
    {"\\Orvalis 3_27 CZ.exe", "", ""},
    {"\\Orvalis 3_29 CZ.exe", "\\Orvalis 3_29 CZ.lnk", "C:\\Nolvarin\\Orvalis 3_29 CZ.exe"},
    {"\\Orvalis 3_30 CZ.exe", "\\Orvalis 3_30 CZ.lnk", "C:\\Nolvarin\\Orvalis 3_30 CZ.exe"},
    {"\\Orvalis 3_40.exe", "\\Orvalis 3_40.lnk", "C:\\Nolvarin\\Orvalis 3_40.exe"},
    {"\\Orvalis 3_41.exe", "\\Orvalis 3_41.lnk", "C:\\Nolvarin\\Orvalis 3_41.exe"},
    {"\\Orvalis 3_411.exe", "\\Orvalis 3_411.lnk", "C:\\Nolvarin\\Orvalis 3_411.exe"},
}};

// Table B: icons and links of the media root for the program folder.
inline constexpr std::array<FolderCopy, 7> kProgramFolderLinks{{
    {"Celvano.ico", kProgramFolder},
    {"Orvalis.ico", kProgramFolder},
    {"OrvalisVV.ico", kProgramFolder},
    {"Orvalis.lnk", kProgramFolder},
    {"Celvano.lnk", kProgramFolder},
    {"Celvano DATA.lnk", kProgramFolder},
    {"Orvalis DATA.lnk", kProgramFolder},
}};

inline constexpr DesktopCopy kScanLink{"Tobrenix.lnk", "\\Tobrenix.lnk"};

// Table C: desktop links by edition, placed column by column.
inline constexpr std::string_view kMainProgramOnMedia = "DWin\\Orvalis.exe";
inline constexpr std::string_view kScanProgramOnMedia = "DWin\\Tobrenix.exe";
inline constexpr std::array<DesktopCopy, 1> kOrvalisLinks{{{"Orvalis.lnk", "\\Orvalis.lnk"}}};
inline constexpr std::array<DesktopCopy, 2> kCelvanoLinks{{
    {"Celvano.lnk", "\\Celvano.lnk"},
    {"Celvano DATA.lnk", "\\Celvano DATA.lnk"},
}};
inline constexpr DesktopCopy kMainDataLink{"Orvalis DATA.lnk", "\\Orvalis DATA.lnk"};
inline constexpr DesktopCopy kScanDataLink{"Orvalis DATA.lnk", "\\Tobrenix DATA.lnk"};

// Table D: a manual's language variants; an empty variant does not exist.
struct Manual {
  std::string_view czech;
  std::string_view german;
  std::string_view english;
};
inline constexpr Manual kOrvalisManual{"Orvalis.pdf", "Orvalis DE.pdf", "Orvalis EN.pdf"};
inline constexpr Manual kCelvanoManual{"Celvano.pdf", "Celvano DE.pdf", "Celvano EN.pdf"};
inline constexpr Manual kScanManual{"Tobrenix.pdf", "Tobrenix DE.pdf", "Tobrenix EN.pdf"};
// The generator manual is placed from its installed copies in the data folder.
inline constexpr std::string_view kGeneratorManualCzech = "C:\\RoxPelMu4\\Bravonel.pdf";
inline constexpr std::string_view kGeneratorManualEnglish = "C:\\RoxPelMu4\\Bravonel EN.pdf";

// Table E: documents for the data folder.
inline constexpr std::array<FolderCopy, 13> kDocuments{{
    {"Fenlodir.dll", kDataFolder},
    {"Orvalis.pdf", kDataFolder},
    {"Orvalis DE.pdf", kDataFolder},
    {"Orvalis EN.pdf", kDataFolder},
    {"Celvano.pdf", kDataFolder},
    {"Celvano DE.pdf", kDataFolder},
    {"Celvano EN.pdf", kDataFolder},
    {"Bravonel.pdf", kDataFolder},
    {"Bravonel EN.pdf", kDataFolder},
    {"Data\\Mivrel.pdf", kDataFolder},
    {"Data\\MivrelE.pdf", kDataFolder},
    {"Data\\MivrelD.pdf", kDataFolder},
    {"Data\\MivrelS.pdf", kDataFolder},
}};

// The retired program, removed before the programs are copied.
inline constexpr std::array<std::string_view, 2> kRetiredFiles{
    "C:\\Nolvarin\\Dolmanit.lnk",
    "C:\\Nolvarin\\Dolmanit.exe",
};

// Table F: programs and links.
inline constexpr std::array<FolderCopy, 11> kPrograms{{
    {"Bravonel.lnk", kProgramFolder},
    {"Ormidex.lnk", kProgramFolder},
    {"DWin\\Orvalis.exe", kProgramFolder},
    {"DWin\\Bravonel.exe", kProgramFolder},
    {"DWin\\Halvexa.exe", kProgramFolder},
    {"DWin\\Marvesk.exe", kProgramFolder},
    {"DWin\\Zantriel.exe", kProgramFolder},
    {"DWin\\Trenvadil.exe", kProgramFolder},
    {"DWin\\Tobrenix.exe", kProgramFolder},
    {"DWin\\Kesmar.txt", kDataFolder},
    {"Tobrenix.lnk", kProgramFolder},
}};

// Table G: the USB-to-serial driver package, copied only.
inline constexpr std::array<FolderCopy, 10> kDriverPackage{{
    {"CH341SER\\DRVSETUP64\\DRVSETUP64.exe", kDriverSetupFolder},
    {"CH341SER\\CH341PT.DLL", kDriverFolder},
    {"CH341SER\\CH341S64.SYS", kDriverFolder},
    {"CH341SER\\CH341S98.SYS", kDriverFolder},
    {"CH341SER\\ch341SER.CAT", kDriverFolder},
    {"CH341SER\\CH341SER.INF", kDriverFolder},
    {"CH341SER\\CH341SER.SYS", kDriverFolder},
    {"CH341SER\\CH341SER.VXD", kDriverFolder},
    {"CH341SER\\SETUP.EXE", kDriverFolder},
    {"CH341SER\\SETUP_Driver.lnk", kDriverFolder},
}};

// Table H: further documents.
inline constexpr std::array<FolderCopy, 4> kFurtherDocuments{{
    {"DataFr\\Sorvane1.pdf", kDataFolder},
    {"DataFr\\Sorvane2.pdf", kDataFolder},
    {"DataFr\\Tulvex0.pdf", kDataFolder},
    {"DataFr\\Tulvex0.txt", kDataFolder},
}};

// The programs removed from the media after installation when the media asks for it: the
// first five only together, the scan program on its own.
inline constexpr std::array<std::string_view, 5> kClearedPrograms{
    "Orvalis.exe", "Halvexa.exe", "Marvesk.exe", "Zantriel.exe", "Bravonel.exe",
};
inline constexpr std::string_view kClearedScanProgram = "Tobrenix.exe";
inline constexpr std::string_view kMediaProgramFolder = "DWin";

}  // namespace install
