#pragma once

namespace sorvel {

// The menu in which a help topic stands. The two sub-menus hang in the Help
// menu; the other topics stand in the File and General Transliteration menus
// beside the commands they explain.
enum class HelpMenuPlace {
    File,
    GeneralTransliteration,
    Help,
    SpecialPaliFeatures,  // sub-menu "Special Pali features" of the Help menu
    OtherPaliResources,   // sub-menu "Other Pali Resources" of the Help menu
};

}  // namespace sorvel
