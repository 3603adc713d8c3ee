#pragma once
// The system's fixed values as the tests know them, independent of the
// product's own constants: registry keys and values that the stack's servers
// share with the applet, and the identifiers other programs rely on.  Shared
// by the native and the Windows tests (wchar_t is 16 bits there, so the
// shell's Wide() hands these to the W functions).

namespace sys {

// Keys (the case of "SOFTWARE" and "Software" is part of the interface).
inline constexpr char16_t kMakerTree[] = u"Software\\Velmora";  // all of the maker's keys, in either root
inline constexpr char16_t kUserProductKey[] = u"Software\\Velmora\\Quorvel";
inline constexpr char16_t kUserDefaultKey[] = u"Software\\Velmora\\Quorvel\\Default";
inline constexpr char16_t kUserNotificationsKey[] = u"Software\\Velmora\\Quorvel\\Notifications";
inline constexpr char16_t kMachineProductTree[] = u"SOFTWARE\\Velmora\\Quorvel";
inline constexpr char16_t kMachineDefaultKey[] = u"SOFTWARE\\Velmora\\Quorvel\\Default";
inline constexpr char16_t kMachineNotificationsKey[] = u"SOFTWARE\\Velmora\\Quorvel\\Default\\Notifications";
inline constexpr char16_t kMachineProximityKey[] = u"SOFTWARE\\Velmora\\Quorvel\\Default\\Proximity Pairing";
inline constexpr char16_t kFileSharingKey[] = u"SOFTWARE\\Velmora\\Default\\FileSharing";
inline constexpr char16_t kImageFolderKey[] = u"Software\\Velmora\\Default\\FileSharing\\BIPServerPath";
inline constexpr char16_t kPimSettingsKey[] = u"SOFTWARE\\Velmora\\Default\\PIMSettings";
inline constexpr char16_t kLanguageKey[] = u"SOFTWARE\\Velmora\\Default";
// The Control Panel's keys: its items, and their categories.
inline constexpr char16_t kCplsKey[] = u"Software\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\Cpls";
inline constexpr char16_t kCategoriesKey[] =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\Extended Properties\\"
    u"{305CA226-D286-468e-B848-2B2E8E697B74} 2";

// Values.
inline constexpr char16_t kLocalDeviceName[] = u"LocalDeviceName";
inline constexpr char16_t kIsRadioOn[] = u"IsRadioOn";
inline constexpr char16_t kIsDiscoveryEnabled[] = u"IsDiscoveryEnabled";
inline constexpr char16_t kIsConnectivityAllowed[] = u"IsConnectivityAllowed";
inline constexpr char16_t kHighSpeed[] = u"HighSpeed";
inline constexpr char16_t kScmst[] = u"SCMS-T";
inline constexpr char16_t kIsScmstSupported[] = u"IsScmstSupported";
inline constexpr char16_t kProximityState[] = u"State";
inline constexpr char16_t kProximityDefaultState[] = u"DefaultState";
inline constexpr char16_t kFtspath[] = u"Ftspath";
inline constexpr char16_t kImagePath[] = u"ImagePath";
inline constexpr char16_t kOpenArrivedImage[] = u"OpenArrivedImage";
inline constexpr char16_t kTPasswordRequired[] = u"TPasswordRequired";
inline constexpr char16_t kTPassword[] = u"TPassword";
inline constexpr char16_t kDisableObexServers[] = u"DisableObexServers";
inline constexpr char16_t kDefaultUserLang[] = u"DefaultUserLang";

// The string-table texts that are key paths or value names, by id.
struct KeyText {
    unsigned id;
    const char16_t* text;
};
inline constexpr KeyText kKeyTexts[] = {
    {141, kMachineNotificationsKey}, {142, kLocalDeviceName}, {143, kIsDiscoveryEnabled},
    {144, kIsRadioOn},               {148, kUserNotificationsKey}, {181, kMachineDefaultKey},
    {182, kUserDefaultKey},          {221, kUserProductKey},  {222, kUserNotificationsKey},
    {272, kMachineProximityKey},
};

// Help topics.
inline constexpr char16_t kGeneralTopic[] = u"faq-btsettings.html";

// Identifiers.
inline constexpr char16_t kNotificationWindowClass[] = u"{A7BAD5BD-4855-4021-83FF-B9E9170B4EE6}";
inline constexpr char16_t kSingleInstanceEvent[] = u"{7C44F3BA-A778-484f-8E41-B6009F7AD669}";
inline constexpr char16_t kAppId[] = u"{5558A25A-B790-48EF-BBA4-0D3BBE4FF1D0}";

}  // namespace sys
