// The install manifest: the suite's folders and the ordered groups of copies of the
// installation run. Every entry copies a media file (path relative to the media folder) into a
// fixed folder on drive C under the same file name.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace install {

inline constexpr std::string_view kProductFolder = "C:\\Pranvik";
inline constexpr std::string_view kProgramFolder = "C:\\Nolvarin";
inline constexpr std::string_view kGeneratorLinkFolder = "C:\\Nolvarin\\MultiG";
inline constexpr std::string_view kDataFolder = "C:\\RoxPelMu4";
inline constexpr std::string_view kWorkFolder = "C:\\RoxPelMu4\\PrepSwich";
inline constexpr std::string_view kListFolder = "C:\\RoxPelMu4\\Sildorne";
inline constexpr std::string_view kPictureFolder = "C:\\RoxPelMu4\\Grenmolt";

// Ensured in this order, parent before child.
inline constexpr std::array<std::string_view, 7> kInstalledFolders{
    kProductFolder, kProgramFolder, kGeneratorLinkFolder, kDataFolder,
    kWorkFolder,    kListFolder,    kPictureFolder,
};

// The files whose presence decides between a fresh installation and an upgrade.
inline constexpr std::string_view kModeFileFirst = "C:\\RoxPelMu4\\datAut7.dat";
inline constexpr std::string_view kModeFileSecond = "C:\\RoxPelMu4\\customer15.dat";

enum class When { Always, FreshInstall };

struct Group {
  std::string_view name;
  When when;
  std::string_view target_folder;
  std::span<const std::string_view> sources;
};

namespace sources {
// M1: media-root libraries.
inline constexpr std::array<std::string_view, 2> kM1{
    "Duskel.DLL",
    "Kalvimar.DLL",
};
// M2: generator links.
inline constexpr std::array<std::string_view, 4> kM2{
    "DWin\\MultiG\\Bravonel2.lnk",
    "DWin\\MultiG\\Bravonel3.lnk",
    "DWin\\MultiG\\Bravonel4.lnk",
    "DWin\\MultiG\\Bravonel5.lnk",
};
// M3: the initial data set, one library from the media root, the rest from "Data".
inline constexpr std::array<std::string_view, 19> kM3{
    "Sevrant.dll",        "Data\\Zeltab01.dat", "Data\\Zeltab02.dat", "Data\\Zeltab03.dat",
    "Data\\Zeltab04.dat", "Data\\Zeltab05.dat", "Data\\Zeltab06.dat", "Data\\Zeltab07.dat",
    "Data\\Zeltab08.dat", "Data\\Zeltab09.dat", "Data\\Zeltab10.dat", "Data\\Zelnote1.txt",
    "Data\\Zelnote2.txt", "Data\\Zelcore1.dll", "Data\\Zelcore2.dll", "Data\\Zelcore3.dll",
    "Data\\Zelcore4.dll", "Data\\Zelcore5.dll", "Data\\Zelcore6.dll",
};
// M4: the picture library: texts, JPEG pictures, PDF documents, PNG pictures.
inline constexpr std::array<std::string_view, 126> kM4{
    "Data\\Katalog01.txt", "Data\\Katalog02.txt", "Data\\Katalog03.txt", "Data\\Katalog04.txt",
    "Data\\Katalog05.txt", "Data\\Katalog06.txt", "Data\\Katalog07.txt", "Data\\Katalog08.txt",
    "Data\\Katalog09.txt", "Data\\Katalog10.txt", "Data\\Foto001.jpg",   "Data\\Foto002.jpg",
    "Data\\Foto003.jpg",   "Data\\Foto004.jpg",   "Data\\Foto005.jpg",   "Data\\Foto006.jpg",
    "Data\\Foto007.jpg",   "Data\\Foto008.jpg",   "Data\\Foto009.jpg",   "Data\\Foto010.jpg",
    "Data\\Foto011.jpg",   "Data\\Foto012.jpg",   "Data\\Foto013.jpg",   "Data\\Foto014.jpg",
    "Data\\Foto015.jpg",   "Data\\Foto016.jpg",   "Data\\Foto017.jpg",   "Data\\Foto018.jpg",
    "Data\\Foto019.jpg",   "Data\\Foto020.jpg",   "Data\\Foto021.jpg",   "Data\\Foto022.jpg",
    "Data\\Foto023.jpg",   "Data\\Foto024.jpg",   "Data\\Foto025.jpg",   "Data\\Foto026.jpg",
    "Data\\Foto027.jpg",   "Data\\Foto028.jpg",   "Data\\Foto029.jpg",   "Data\\Foto030.jpg",
    "Data\\Foto031.jpg",   "Data\\Foto032.jpg",   "Data\\Foto033.jpg",   "Data\\Foto034.jpg",
    "Data\\Foto035.jpg",   "Data\\Foto036.jpg",   "Data\\Foto037.jpg",   "Data\\Foto038.jpg",
    "Data\\Foto039.jpg",   "Data\\Foto040.jpg",   "Data\\Foto041.jpg",   "Data\\Foto042.jpg",
    "Data\\Foto043.jpg",   "Data\\Foto044.jpg",   "Data\\Foto045.jpg",   "Data\\Foto046.jpg",
    "Data\\Foto047.jpg",   "Data\\Foto048.jpg",   "Data\\Foto049.jpg",   "Data\\Foto050.jpg",
    "Data\\Foto051.jpg",   "Data\\Foto052.jpg",   "Data\\Foto053.jpg",   "Data\\Foto054.jpg",
    "Data\\Foto055.jpg",   "Data\\Foto056.jpg",   "Data\\Foto057.jpg",   "Data\\Foto058.jpg",
    "Data\\Foto059.jpg",   "Data\\Listina01.pdf", "Data\\Listina02.pdf", "Data\\Listina03.pdf",
    "Data\\Listina04.pdf", "Data\\Listina05.pdf", "Data\\Listina06.pdf", "Data\\Listina07.pdf",
    "Data\\Listina08.pdf", "Data\\Listina09.pdf", "Data\\Listina10.pdf", "Data\\Listina11.pdf",
    "Data\\Listina12.pdf", "Data\\Listina13.pdf", "Data\\Listina14.pdf", "Data\\Listina15.pdf",
    "Data\\Listina16.pdf", "Data\\Listina17.pdf", "Data\\Symbol01.png",  "Data\\Symbol02.png",
    "Data\\Symbol03.png",  "Data\\Symbol04.png",  "Data\\Symbol05.png",  "Data\\Symbol06.png",
    "Data\\Symbol07.png",  "Data\\Symbol08.png",  "Data\\Symbol09.png",  "Data\\Symbol10.png",
    "Data\\Symbol11.png",  "Data\\Symbol12.png",  "Data\\Symbol13.png",  "Data\\Symbol14.png",
    "Data\\Symbol15.png",  "Data\\Symbol16.png",  "Data\\Symbol17.png",  "Data\\Symbol18.png",
    "Data\\Symbol19.png",  "Data\\Symbol20.png",  "Data\\Symbol21.png",  "Data\\Symbol22.png",
    "Data\\Symbol23.png",  "Data\\Symbol24.png",  "Data\\Symbol25.png",  "Data\\Symbol26.png",
    "Data\\Symbol27.png",  "Data\\Symbol28.png",  "Data\\Symbol29.png",  "Data\\Symbol30.png",
    "Data\\Symbol31.png",  "Data\\Symbol32.png",  "Data\\Symbol33.png",  "Data\\Symbol34.png",
    "Data\\Symbol35.png",  "Data\\Symbol36.png",  "Data\\Symbol37.png",  "Data\\Symbol38.png",
    "Data\\Symbol39.png",  "Data\\Symbol40.png",
};
// M5: list texts.
inline constexpr std::array<std::string_view, 96> kM5{
    "DataFr\\Seznam001.txt", "DataFr\\Seznam002.txt", "DataFr\\Seznam003.txt",
    "DataFr\\Seznam004.txt", "DataFr\\Seznam005.txt", "DataFr\\Seznam006.txt",
    "DataFr\\Seznam007.txt", "DataFr\\Seznam008.txt", "DataFr\\Seznam009.txt",
    "DataFr\\Seznam010.txt", "DataFr\\Seznam011.txt", "DataFr\\Seznam012.txt",
    "DataFr\\Seznam013.txt", "DataFr\\Seznam014.txt", "DataFr\\Seznam015.txt",
    "DataFr\\Seznam016.txt", "DataFr\\Seznam017.txt", "DataFr\\Seznam018.txt",
    "DataFr\\Seznam019.txt", "DataFr\\Seznam020.txt", "DataFr\\Seznam021.txt",
    "DataFr\\Seznam022.txt", "DataFr\\Seznam023.txt", "DataFr\\Seznam024.txt",
    "DataFr\\Seznam025.txt", "DataFr\\Seznam026.txt", "DataFr\\Seznam027.txt",
    "DataFr\\Seznam028.txt", "DataFr\\Seznam029.txt", "DataFr\\Seznam030.txt",
    "DataFr\\Seznam031.txt", "DataFr\\Seznam032.txt", "DataFr\\Seznam033.txt",
    "DataFr\\Seznam034.txt", "DataFr\\Seznam035.txt", "DataFr\\Seznam036.txt",
    "DataFr\\Seznam037.txt", "DataFr\\Seznam038.txt", "DataFr\\Seznam039.txt",
    "DataFr\\Seznam040.txt", "DataFr\\Seznam041.txt", "DataFr\\Seznam042.txt",
    "DataFr\\Seznam043.txt", "DataFr\\Seznam044.txt", "DataFr\\Seznam045.txt",
    "DataFr\\Seznam046.txt", "DataFr\\Seznam047.txt", "DataFr\\Seznam048.txt",
    "DataFr\\Seznam049.txt", "DataFr\\Seznam050.txt", "DataFr\\Seznam051.txt",
    "DataFr\\Seznam052.txt", "DataFr\\Seznam053.txt", "DataFr\\Seznam054.txt",
    "DataFr\\Seznam055.txt", "DataFr\\Seznam056.txt", "DataFr\\Seznam057.txt",
    "DataFr\\Seznam058.txt", "DataFr\\Seznam059.txt", "DataFr\\Seznam060.txt",
    "DataFr\\Seznam061.txt", "DataFr\\Seznam062.txt", "DataFr\\Seznam063.txt",
    "DataFr\\Seznam064.txt", "DataFr\\Seznam065.txt", "DataFr\\Seznam066.txt",
    "DataFr\\Seznam067.txt", "DataFr\\Seznam068.txt", "DataFr\\Seznam069.txt",
    "DataFr\\Seznam070.txt", "DataFr\\Seznam071.txt", "DataFr\\Seznam072.txt",
    "DataFr\\Seznam073.txt", "DataFr\\Seznam074.txt", "DataFr\\Seznam075.txt",
    "DataFr\\Seznam076.txt", "DataFr\\Seznam077.txt", "DataFr\\Seznam078.txt",
    "DataFr\\Seznam079.txt", "DataFr\\Seznam080.txt", "DataFr\\Seznam081.txt",
    "DataFr\\Seznam082.txt", "DataFr\\Seznam083.txt", "DataFr\\Seznam084.txt",
    "DataFr\\Seznam085.txt", "DataFr\\Seznam086.txt", "DataFr\\Seznam087.txt",
    "DataFr\\Seznam088.txt", "DataFr\\Seznam089.txt", "DataFr\\Seznam090.txt",
    "DataFr\\Seznam091.txt", "DataFr\\Seznam092.txt", "DataFr\\Seznam093.txt",
    "DataFr\\Seznam094.txt", "DataFr\\Seznam095.txt", "DataFr\\Seznam096.txt",
};
// M6: numbered pictures 0 to 35.
inline constexpr std::array<std::string_view, 36> kM6{
    "Data\\Snimek0.jpg",  "Data\\Snimek1.jpg",  "Data\\Snimek2.jpg",  "Data\\Snimek3.jpg",
    "Data\\Snimek4.jpg",  "Data\\Snimek5.jpg",  "Data\\Snimek6.jpg",  "Data\\Snimek7.jpg",
    "Data\\Snimek8.jpg",  "Data\\Snimek9.jpg",  "Data\\Snimek10.jpg", "Data\\Snimek11.jpg",
    "Data\\Snimek12.jpg", "Data\\Snimek13.jpg", "Data\\Snimek14.jpg", "Data\\Snimek15.jpg",
    "Data\\Snimek16.jpg", "Data\\Snimek17.jpg", "Data\\Snimek18.jpg", "Data\\Snimek19.jpg",
    "Data\\Snimek20.jpg", "Data\\Snimek21.jpg", "Data\\Snimek22.jpg", "Data\\Snimek23.jpg",
    "Data\\Snimek24.jpg", "Data\\Snimek25.jpg", "Data\\Snimek26.jpg", "Data\\Snimek27.jpg",
    "Data\\Snimek28.jpg", "Data\\Snimek29.jpg", "Data\\Snimek30.jpg", "Data\\Snimek31.jpg",
    "Data\\Snimek32.jpg", "Data\\Snimek33.jpg", "Data\\Snimek34.jpg", "Data\\Snimek35.jpg",
};
}  // namespace sources

// The groups in the order the run copies them; between M3 and M4 a fresh installation stores
// the language file.
inline constexpr std::array<Group, 6> kGroups{{
    {"M1", When::Always, kDataFolder, sources::kM1},
    {"M2", When::Always, kGeneratorLinkFolder, sources::kM2},
    {"M3", When::FreshInstall, kDataFolder, sources::kM3},
    {"M4", When::Always, kPictureFolder, sources::kM4},
    {"M5", When::Always, kListFolder, sources::kM5},
    {"M6", When::Always, kPictureFolder, sources::kM6},
}};

// The file name of a path: what follows its last '\\'.
constexpr std::string_view FileName(std::string_view path) {
  const auto slash = path.rfind('\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace install
