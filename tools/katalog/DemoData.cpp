#include "tools/katalog/DemoData.h"

#include "app/Categories.h"

#include <array>

namespace teklifo::katalog::demo {

namespace {

// The lists are in no alphabetical order on purpose: the program sorts its selectors itself,
// and a demo should show that.

constexpr Base islemciBases[] = {
    {u"Intel Pentium 4 2.8 GHz 800 FSB 1 MB", 178},
    {u"Intel Celeron D 2.66 GHz 533 FSB", 79},
    {u"AMD Athlon 64 3000+ Soket 939", 145},
    {u"AMD Sempron 2800+ Soket 754", 72},
    {u"Intel Pentium 4 3.0 GHz HT 2 MB", 215},
    {u"AMD Athlon 64 X2 3800+ Çift Çekirdek", 329},
    {u"Intel Pentium D 820 2.8 GHz Çift Çekirdek", 249},
    {u"Intel Celeron D 2.93 GHz", 89},
    {u"AMD Athlon XP 2500+ Barton", 69},
    {u"Intel Pentium 4 3.4 GHz Soket 775", 289},
    {u"AMD Sempron 3100+ Soket 754", 88},
    {u"Intel Pentium M 1.7 GHz", 229},
};
constexpr Variant islemciVariants[] = {
    {u"Kutulu", 1.0}, {u"Tray", 0.92}, {u"Kutulu Orijinal Fanlı", 1.05}, {u"Tray + Soğutucu", 0.98}};

constexpr Base anakartBases[] = {
    {u"Asus P5GD1 i915P Soket 775", 119}, {u"MSI 865PE Neo2-P", 89},
    {u"Gigabyte GA-8I945P Pro", 139},     {u"Asus A8N-SLI nForce4 Soket 939", 159},
    {u"MSI K8N Neo4 Platinum", 149},      {u"Gigabyte GA-K8NF-9", 99},
    {u"Asrock 775Dual-VSTA", 65},         {u"Intel D915GAG", 109},
    {u"Asus P4P800-E Deluxe", 129},       {u"Abit AN8 Ultra", 135},
    {u"ECS 661FX-M Mikro ATX", 52},       {u"Foxconn 661FX7MI-S", 48},
};
constexpr Variant anakartVariants[] = {
    {u"", 1.0}, {u"Ses + Ağ Kartlı", 1.06}, {u"Kutulu Türkçe Kılavuzlu", 1.09}, {u"Tray Ürün", 0.94}};

constexpr Base ramBases[] = {
    {u"Kingston 256 MB DDR 400", 29},
    {u"Kingston 512 MB DDR 400", 52},
    {u"Kingston 1 GB DDR 400", 99},
    {u"Corsair ValueSelect 512 MB DDR 400", 55},
    {u"Corsair XMS 1 GB DDR 400 Çift Kanal Kit", 169},
    {u"Samsung 512 MB DDR2 533", 58},
    {u"Samsung 1 GB DDR2 667", 109},
    {u"Hynix 256 MB DDR 333", 27},
    {u"Twinmos 512 MB DDR 400", 49},
    {u"Kingmax 512 MB DDR2 667", 62},
    {u"OCZ 1 GB DDR2 800 Platinum", 149},
    {u"Transcend 1 GB DDR 400", 95},
};
constexpr Variant ramVariants[] = {
    {u"", 1.0}, {u"Soğutuculu", 1.08}, {u"Ömür Boyu Garantili", 1.12}, {u"Kutusuz", 0.95}};

constexpr Base ekranBases[] = {
    {u"ATI Radeon 9550 128 MB", 79},
    {u"ATI Radeon X600 Pro 256 MB PCI-E", 109},
    {u"ATI Radeon X800 GTO 256 MB", 239},
    {u"nVidia GeForce FX 5200 128 MB", 49},
    {u"nVidia GeForce 6600 GT 128 MB PCI-E", 169},
    {u"nVidia GeForce 6200 TurboCache 64 MB", 59},
    {u"nVidia GeForce 6800 GS 256 MB", 259},
    {u"ATI Radeon X1600 Pro 256 MB", 139},
    {u"nVidia GeForce 7800 GT 256 MB", 389},
    {u"Matrox Millennium G550 32 MB", 119},
    {u"Sapphire Radeon 9250 128 MB", 45},
    {u"ATI All-in-Wonder 9600 128 MB", 189},
};
constexpr Variant ekranVariants[] = {
    {u"", 1.0}, {u"TV Çıkışlı", 1.05}, {u"Sessiz Soğutuculu", 1.1}, {u"Çift DVI", 1.12}};

constexpr Base floppyBases[] = {
    {u"Sony 1.44 MB 3.5\"", 9},
    {u"Mitsumi 1.44 MB 3.5\"", 8},
    {u"Samsung 1.44 MB 3.5\"", 8.5},
    {u"NEC 1.44 MB 3.5\"", 9.5},
    {u"Teac 1.44 MB 3.5\"", 10},
    {u"Sony USB Harici Floppy 1.44 MB", 29},
    {u"Mitsumi USB Harici Floppy", 27},
    {u"Panasonic 1.44 MB 3.5\"", 9},
    {u"Alps 1.44 MB 3.5\"", 8},
    {u"Teac USB Harici Floppy", 31},
    {u"Samsung Kart Okuyuculu Floppy", 19},
};
constexpr Variant floppyVariants[] = {{u"Siyah", 1.0}, {u"Bej", 0.97}, {u"Gümüş", 1.04}, {u"Kutulu", 1.1}};

constexpr Base hddBases[] = {
    {u"Seagate Barracuda 80 GB 7200 rpm IDE", 62},
    {u"Seagate Barracuda 160 GB SATA", 89},
    {u"Maxtor DiamondMax 120 GB 8 MB Önbellek", 75},
    {u"Western Digital Caviar 80 GB", 59},
    {u"Western Digital Caviar SE 250 GB SATA", 129},
    {u"Samsung SpinPoint 160 GB SATA", 85},
    {u"Hitachi Deskstar 200 GB", 99},
    {u"Maxtor DiamondMax 300 GB SATA", 159},
    {u"Seagate Barracuda 40 GB IDE", 49},
    {u"Western Digital Raptor 74 GB 10000 rpm", 189},
    {u"Samsung SpinPoint 80 GB IDE", 57},
    {u"Hitachi Deskstar 400 GB SATA II", 249},
};
constexpr Variant hddVariants[] = {
    {u"", 1.0}, {u"Kutulu", 1.06}, {u"3 Yıl Garantili", 1.09}, {u"Raf Ürünü", 0.95}};

constexpr Base monitorBases[] = {
    {u"Samsung SyncMaster 793DF 17\" CRT", 119},
    {u"Samsung SyncMaster 710N 17\" LCD", 279},
    {u"Philips 107E 17\" CRT", 109},
    {u"Philips 170S 17\" LCD", 265},
    {u"LG Flatron F700P 17\" Düz Ekran CRT", 135},
    {u"LG Flatron L1930S 19\" LCD", 359},
    {u"ViewSonic VA712 17\" LCD", 259},
    {u"ViewSonic E70f 17\" CRT", 115},
    {u"Vestel 15\" LCD", 189},
    {u"NEC MultiSync 19\" CRT", 199},
    {u"Samsung SyncMaster 913N 19\" LCD", 349},
    {u"Dell 1905FP 19\" LCD", 379},
};
constexpr Variant monitorVariants[] = {
    {u"Siyah", 1.0}, {u"Gümüş", 1.02}, {u"Hoparlörlü", 1.07}, {u"Beyaz", 0.98}};

constexpr Base kasaBases[] = {
    {u"Kasa Midi Tower Çelik 300W", 45}, {u"Kasa Midi Tower Çelik 350W", 52},
    {u"Kasa Mini Tower 250W", 35},       {u"Kasa Big Tower 400W", 79},
    {u"Kasa Midi Tower Alüminyum", 99},  {u"Kasa İnce Masaüstü 200W", 49},
    {u"Codegen Midi Tower 350W", 39},    {u"Thermaltake Soprano Işıklı", 129},
    {u"Cooler Master Centurion 5", 69},  {u"Chieftec Dragon Big Tower", 89},
    {u"Everest Midi Tower 300W", 33},    {u"Aopen Mikro ATX Masaüstü", 59},
};
constexpr Variant kasaVariants[] = {
    {u"Siyah", 1.0}, {u"Gümüş", 1.03}, {u"Pencereli Siyah", 1.12}, {u"Beyaz", 0.98}};

constexpr Base cdBases[] = {
    {u"LG GSA-4167B DVD-RW 16x", 49},      {u"NEC ND-3540A DVD-RW", 45},
    {u"Sony DRU-800A DVD±RW", 59},         {u"Plextor PX-716A DVD±RW", 99},
    {u"Asus CRW-5232A4 CD-RW 52x", 29},    {u"LG GCE-8525B CD-RW", 25},
    {u"Samsung SH-D162C DVD-ROM 16x", 22}, {u"Pioneer DVR-110D DVD-RW", 55},
    {u"BenQ DW1640 DVD±RW", 52},           {u"Lite-On SOHW-1693S DVD±RW", 47},
    {u"Samsung SH-C522C Combo", 35},       {u"LG GCR-8523B CD-ROM 52x", 15},
};
constexpr Variant cdVariants[] = {
    {u"Siyah", 1.0}, {u"Bej", 0.97}, {u"Gümüş", 1.03}, {u"Kutulu Yazılımlı", 1.15}};

constexpr Base klavyeBases[] = {
    {u"Logitech Cordless Desktop Klavye + Mouse Seti", 49},
    {u"Microsoft Wireless Optical Desktop", 59},
    {u"A4Tech KR-85 Türkçe Q Klavye", 8.5},
    {u"Logitech MX518 Oyun Mouse", 42},
    {u"Microsoft IntelliMouse Optical", 29},
    {u"Genius KB-06X Türkçe F Klavye", 7},
    {u"Logitech Internet Navigator Klavye", 25},
    {u"Microsoft Natural Ergonomic Klavye 4000", 45},
    {u"A4Tech OP-620D Optik Mouse", 6},
    {u"Genius NetScroll+ Optik Mouse", 9},
    {u"Everest F Klavye", 6.5},
    {u"Logitech MX1000 Lazer Kablosuz Mouse", 65},
};
constexpr Variant klavyeVariants[] = {{u"", 1.0}, {u"USB", 1.04}, {u"PS/2", 0.97}, {u"Siyah-Gümüş", 1.06}};

constexpr Base faxBases[] = {
    {u"Apache 56K Dahili PCI Fax Modem", 12},
    {u"U.S. Robotics 56K Harici Fax Modem", 69},
    {u"Creative Modem Blaster 56K", 29},
    {u"Zoom 56K V.92 Harici", 49},
    {u"Hayes Accura 56K", 39},
    {u"Conexant HSF 56K PCI", 9},
    {u"U.S. Robotics 56K Dahili", 45},
    {u"D-Link DFM-562E Harici", 35},
    {u"Acorp 56K PCI", 11},
    {u"Smartlink 56K Dahili", 8},
    {u"ZyXEL Omni 56K Mini", 59},
    {u"Everest 56K Dahili PCI", 10},
};
constexpr Variant faxVariants[] = {
    {u"", 1.0}, {u"Sesli Mesajlı", 1.08}, {u"Kutulu", 1.05}, {u"Telefon Kablolu", 1.02}};

constexpr Base tvBases[] = {
    {u"Pinnacle PCTV Rave", 45},
    {u"Pinnacle PCTV Pro", 69},
    {u"Hauppauge WinTV Go", 49},
    {u"Hauppauge WinTV PVR-150", 99},
    {u"AverMedia TVPhone 98", 55},
    {u"AverMedia AVerTV Studio 307", 75},
    {u"Leadtek WinFast TV2000 XP Expert", 65},
    {u"Compro VideoMate TV Gold+", 59},
    {u"Asus TV Tuner Kartı 7134", 52},
    {u"Genius TVGo A11", 35},
    {u"Terratec Cinergy 400", 48},
    {u"KWorld Xpert TV Kartı", 32},
};
constexpr Variant tvVariants[] = {
    {u"", 1.0}, {u"Uzaktan Kumandalı", 1.09}, {u"FM Radyolu", 1.06}, {u"USB Harici", 1.25}};

constexpr Base speakerBases[] = {
    {u"Creative Inspire T2900 2.1", 39}, {u"Creative Inspire T5400 5.1", 89},
    {u"Logitech X-230 2.1", 45},         {u"Logitech Z-5300e 5.1", 149},
    {u"Genius SP-S110 Stereo", 9},       {u"Altec Lansing ATP3", 65},
    {u"Everest SP-101 2.0", 7.5},        {u"Microlab M-590 4.1", 55},
    {u"Philips SBC BA150", 12},          {u"Sven SPS-820", 49},
    {u"Creative SBS 250", 14},           {u"Edifier R1800T", 69},
};
constexpr Variant speakerVariants[] = {
    {u"Siyah", 1.0}, {u"Gümüş", 1.03}, {u"Kulaklık Girişli", 1.05}, {u"Uzaktan Kumandalı", 1.12}};

constexpr Base sesBases[] = {
    {u"Creative Sound Blaster Live! 24-bit", 39},
    {u"Creative Sound Blaster Audigy 2 ZS", 99},
    {u"Creative Sound Blaster 5.1 VX", 25},
    {u"Terratec Aureon 5.1 Fun", 29},
    {u"Hercules Gamesurround Muse 5.1", 35},
    {u"M-Audio Audiophile 2496", 119},
    {u"C-Media 8738 4 Kanal", 9},
    {u"Creative Audigy 4 Pro", 229},
    {u"Philips Acoustic Edge", 49},
    {u"Turtle Beach Santa Cruz", 69},
    {u"Genius Sound Maker Value 4.1", 12},
    {u"Creative Extigy Harici USB", 129},
};
constexpr Variant sesVariants[] = {{u"", 1.0}, {u"Kutulu", 1.06}, {u"OEM", 0.9}, {u"Türkçe Kılavuzlu", 1.03}};

constexpr Base yazilimBases[] = {
    {u"Microsoft Windows XP Home Edition Türkçe", 99},
    {u"Microsoft Windows XP Professional Türkçe", 159},
    {u"Microsoft Office 2003 Basic", 189},
    {u"Microsoft Office 2003 Standart", 349},
    {u"Norton AntiVirus 2005 Türkçe", 39},
    {u"Norton Internet Security 2005", 59},
    {u"Kaspersky Anti-Virus Personal", 35},
    {u"Logo Muhasebe Go", 249},
    {u"Netsis Ön Muhasebe", 199},
    {u"Nero Burning ROM 6", 45},
    {u"Panda Titanium Antivirüs", 29},
    {u"Adobe Photoshop Elements 3.0", 89},
};
constexpr Variant yazilimVariants[] = {
    {u"OEM", 1.0}, {u"Kutulu", 1.45}, {u"Sürüm Yükseltme", 0.7}, {u"Eğitim Sürümü", 0.6}};

constexpr Base yaziciBases[] = {
    {u"HP DeskJet 3745 Renkli Mürekkep Püskürtmeli", 49},
    {u"HP LaserJet 1020", 169},
    {u"Canon Pixma iP1500", 45},
    {u"Canon i-Sensys LBP2900 Lazer", 149},
    {u"Epson Stylus C45", 39},
    {u"Epson LX-300+ Nokta Vuruşlu", 189},
    {u"Lexmark Z615", 35},
    {u"Samsung ML-1610 Lazer", 119},
    {u"Brother HL-2030 Lazer", 125},
    {u"HP PSC 1410 Çok Fonksiyonlu", 89},
    {u"Epson Stylus Photo R220", 109},
    {u"Xerox Phaser 3116", 135},
};
constexpr Variant yaziciVariants[] = {
    {u"", 1.0}, {u"USB Kablolu", 1.03}, {u"Yedek Kartuşlu", 1.18}, {u"Kutulu", 1.05}};

constexpr Base tarayiciBases[] = {
    {u"Canon CanoScan LiDE 20", 55},   {u"Canon CanoScan LiDE 60", 75},
    {u"HP ScanJet 2400", 59},          {u"HP ScanJet 3770", 69},
    {u"Epson Perfection 1270", 79},    {u"Epson Perfection 4180 Photo", 179},
    {u"Mustek BearPaw 2448", 39},      {u"Plustek OpticPro ST48", 42},
    {u"Genius ColorPage Vivid 4", 45}, {u"BenQ 5560", 65},
    {u"Microtek ScanMaker 4850", 129}, {u"Umax Astra 4700", 49},
};
constexpr Variant tarayiciVariants[] = {
    {u"", 1.0}, {u"Slayt Adaptörlü", 1.2}, {u"USB 2.0", 1.05}, {u"Türkçe OCR Yazılımlı", 1.1}};

constexpr Base kameraBases[] = {
    {u"Creative WebCam Live!", 35},       {u"Creative WebCam NX Pro", 45},
    {u"Logitech QuickCam Messenger", 25}, {u"Logitech QuickCam Pro 4000", 69},
    {u"Logitech QuickCam Fusion", 79},    {u"Genius VideoCAM Express", 15},
    {u"Microsoft LifeCam VX-1000", 39},   {u"A4Tech PK-635 Web Kamerası", 12},
    {u"Trust SpaceCam 380", 19},          {u"Philips SPC900NC", 89},
    {u"Everest SC-200 Gece Görüşlü", 14}, {u"Labtec WebCam Pro", 29},
};
constexpr Variant kameraVariants[] = {
    {u"", 1.0}, {u"Mikrofonlu", 1.08}, {u"Kulaklıklı", 1.12}, {u"Gümüş", 1.03}};

constexpr Base gucBases[] = {
    {u"Güç Kaynağı 500W Şampiyon", 49},  {u"Güç Kaynağı 350W", 22},      {u"Güç Kaynağı 400W ATX", 29},
    {u"Güç Kaynağı 450W Sessiz", 39},    {u"Antec SmartPower 450W", 79}, {u"Enermax Noisetaker 485W", 119},
    {u"Thermaltake PurePower 480W", 89}, {u"Seasonic S12 430W", 95},     {u"Codegen 300W ATX", 15},
    {u"FSP Blue Storm 400W", 59},        {u"OCZ ModStream 520W", 109},   {u"Tagan 480W Çift Fanlı", 99},
};
constexpr Variant gucVariants[] = {
    {u"", 1.0}, {u"24 Pin", 1.04}, {u"SATA Kablolu", 1.06}, {u"Işıklı Fanlı", 1.1}};

// In position order, as the category table.
const std::array<CategoryData, CategoryCount> data = {{
    {islemciBases, islemciVariants}, {anakartBases, anakartVariants},   {ramBases, ramVariants},
    {ekranBases, ekranVariants},     {floppyBases, floppyVariants},     {hddBases, hddVariants},
    {monitorBases, monitorVariants}, {kasaBases, kasaVariants},         {cdBases, cdVariants},
    {klavyeBases, klavyeVariants},   {faxBases, faxVariants},           {tvBases, tvVariants},
    {speakerBases, speakerVariants}, {sesBases, sesVariants},           {yazilimBases, yazilimVariants},
    {yaziciBases, yaziciVariants},   {tarayiciBases, tarayiciVariants}, {kameraBases, kameraVariants},
    {gucBases, gucVariants},
}};

} // namespace

const CategoryData& categoryData(int position) {
    return data.at(position - 1);
}

} // namespace teklifo::katalog::demo
