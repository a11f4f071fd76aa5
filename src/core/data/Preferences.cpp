#include "data/Preferences.h"

#include <array>

#include "numtext/NumString.h"
#include "platform/SettingsStore.h"

namespace tapwright {

namespace {

struct FlagKey {
    const char* key;
    bool PreferenceValues::*member;
};

constexpr std::array<FlagKey, 13> kFlags{{
    {"m_bEditorSelectPassStop", &PreferenceValues::m_bEditorSelectPassStop},
    {"m_bEditorAttnInDb", &PreferenceValues::m_bEditorAttnInDb},
    {"m_bEditorGainInDb", &PreferenceValues::m_bEditorGainInDb},
    {"m_bEditorShowPassStop", &PreferenceValues::m_bEditorShowPassStop},
    {"m_bDesignViewCoeffs", &PreferenceValues::m_bDesignViewCoeffs},
    {"m_bDesignViewFreq", &PreferenceValues::m_bDesignViewFreq},
    {"m_bDesignViewImp", &PreferenceValues::m_bDesignViewImp},
    {"m_bReadViewCoeffs", &PreferenceValues::m_bReadViewCoeffs},
    {"m_bReadViewFreq", &PreferenceValues::m_bReadViewFreq},
    {"m_bReadViewImp", &PreferenceValues::m_bReadViewImp},
    {"m_bScaleAfterDesign", &PreferenceValues::m_bScaleAfterDesign},
    {"m_bScaleAfterMix", &PreferenceValues::m_bScaleAfterMix},
    {"m_bScaleAfterRead", &PreferenceValues::m_bScaleAfterRead},
}};

struct DoubleKey {
    const char* key;
    double PreferenceValues::*member;
    const char* fallback;
};

constexpr std::array<DoubleKey, 2> kDoubles{{
    {"m_dEditorMaxPassDb", &PreferenceValues::m_dEditorMaxPassDb, "10.0"},
    {"m_dMinDb", &PreferenceValues::m_dMinDb, "-110.0"},
}};

constexpr const char* kGridDensityKey = "m_nEditorGridDensity";
constexpr int kStoredDoubleDigits = 3;

}  // namespace

void CPreferences::LoadSettings(const SettingsStore& store) {
    m_nEditorGridDensity = store.GetInt(kSection, kGridDensityKey, m_nEditorGridDensity);
    for (const FlagKey& flag : kFlags) {
        this->*flag.member = store.GetInt(kSection, flag.key, this->*flag.member ? 1 : 0) != 0;
    }
    for (const DoubleKey& value : kDoubles) {
        this->*value.member =
            CNumString(store.GetText(kSection, value.key, value.fallback)).ToDouble();
    }
}

void CPreferences::SaveSettings(SettingsStore& store) const {
    store.SetInt(kSection, kGridDensityKey, m_nEditorGridDensity);
    for (const FlagKey& flag : kFlags) {
        store.SetInt(kSection, flag.key, this->*flag.member ? 1 : 0);
    }
    for (const DoubleKey& value : kDoubles) {
        store.SetText(kSection, value.key,
                      CNumString(this->*value.member, kStoredDoubleDigits, Notation::Fixed).Text());
    }
}

}  // namespace tapwright
