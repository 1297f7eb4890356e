#pragma once

#include <array>

namespace teklifo {

// One of the nineteen component categories. The texts differ from one another in places and are
// kept exactly as the user meets them.
struct PartCategory {
    int position;              // 1 to 19: the suffix of the category's controls and query
    const char16_t* name;      // in the editor's category chooser
    const char16_t* rowLabel;  // caption of the row on the quotation panel
    const char* labelName;     // the object name of that caption
    const char16_t* placeholder; // what the selector shows while nothing is chosen
    const char* table;         // the catalogue table in Data.mdb
    int rowTop() const { return 16 + 23 * (position - 1); }
};

inline constexpr int CategoryCount = 19;

inline constexpr std::array<PartCategory, CategoryCount> Categories = {{
    {1, u"İşlemci", u"İşlemci :", "Label26", u"İşlemci ...", "islemci"},
    {2, u"Anakart", u"Anakart :", "Label2", u"Anakart ...", "anakart"},
    {3, u"Ram", u"Bellek - Ram :", "Label4", u"Ram ...", "ram"},
    {4, u"Ekran Kartı", u"Ekran Kartı :", "Label5", u"Ekran Kartı ...", "ekran"},
    {5, u"Floppy", u"Floppy :", "Label7", u"Floppy ...", "floppy"},
    {6, u"Hdd", u"Harddisk:", "Label8", u"HDD ...", "hdd"},
    {7, u"Monitör", u"Monitör :", "Label3", u"Monitör ...", "monitor"},
    {8, u"Kasa", u"Kasa :", "Label9", u"Kasa ...", "kasa"},
    {9, u"Cd-Cdrw-Dvdrw", u"Cd-Cdrw-Dvdrw :", "Label10", u"Cd-Cdrw-Dvdrw ...", "cd"},
    {10, u"Klavye-Mouse", u"Klavye-Mouse :", "Label11", u"Klavye-Mouse ...", "klavye"},
    {11, u"Fax Modem", u"Fax Modem :", "Label12", u"Fax Modem ...", "fax"},
    {12, u"Tv-Radyo Kartı", u"TV-Radio Kartı :", "Label13", u"Tv-Radyo Kartı ...", "tv"},
    {13, u"Speaker", u"Speaker :", "Label14", u"Speaker ...", "speaker"},
    {14, u"Ses Kartı", u"Ses Kartı :", "Label6", u"Ses Kartı ...", "ses"},
    {15, u"Yazılım", u"Yazılım :", "Label15", u"Yazılım ...", "yazilim"},
    {16, u"Yazıcı", u"Yazıcı :", "Label16", u"Yazıcı ...", "yazici"},
    {17, u"Tarayıcı", u"Tarayıcı :", "Label17", u"Tarayıcı ...", "tarayici"},
    {18, u"Kamera", u"Kamera :", "Label18", u"Kamera ...", "kamera"},
    {19, u"Güç Kaynağı", u"Güç Kaynağı :", "Label19", u"Güç Kaynağı ...", "guc"},
}};

// The order in which the Tab key visits the selectors, as positions.
inline constexpr std::array<int, CategoryCount> SelectorTabOrder = {1,  2,  7,  3,  4,  14, 5,  6,  8, 9,
                                                                    10, 11, 12, 13, 15, 16, 17, 19, 18};

inline const PartCategory& category(int position) { return Categories[position - 1]; }

} // namespace teklifo
