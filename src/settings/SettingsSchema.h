#pragma once
// Every registry key, value name and default the applet uses, in one place.
// The stack's own servers read many of these values, so the texts must stay
// exactly as they are, including the case of "SOFTWARE" and "Software".
//
// Some key paths and value names are string-table texts: those are given by
// their string id and loaded through IStringTable at the moment of use (the
// English text is in the comment).

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "res/resource.h"

namespace schema {

// File transfer and image transfer servers.  The same path exists per user
// and machine-wide; at start-up the machine key wins for Ftspath and
// DisableObexServers, the user key for the other three.
inline constexpr char16_t kFileSharingKey[] = u"SOFTWARE\\Velmora\\Default\\FileSharing";
inline constexpr char16_t kExchangeFolder[] = u"Ftspath";      // REG_SZ
inline constexpr char16_t kImageFolderCopy[] = u"ImagePath";   // REG_SZ, written only
inline constexpr char16_t kOpenArrivedImage[] = u"OpenArrivedImage";  // REG_DWORD 0/1
inline constexpr char16_t kTransferPasswordRequired[] = u"TPasswordRequired";  // REG_DWORD 0/1
inline constexpr char16_t kTransferPassword[] = u"TPassword";  // REG_BINARY, UTF-8, no terminator
inline constexpr char16_t kObexServersDisabled[] = u"DisableObexServers";  // REG_DWORD 0/1

// The servers read the password into 260 bytes with a terminator.
inline constexpr std::size_t kTransferPasswordMaxBytes = 259;
// A new user's first password.
inline constexpr std::string_view kDefaultTransferPassword = "QZX";

// Imaging folder: one REG_SZ per Windows user, named by the logon name.
inline constexpr char16_t kImageFolderKey[] =
    u"Software\\Velmora\\Default\\FileSharing\\BIPServerPath";
inline constexpr std::uint32_t kImageFolderReadBytes = 520;
inline constexpr char16_t kImageFolderLastResort[] = u"C:\\";

// Object push server for PIM items, per user.
inline constexpr char16_t kPimSettingsKey[] = u"SOFTWARE\\Velmora\\Default\\PIMSettings";
inline constexpr char16_t kPimAllowDevicesToSend[] = u"AllowDevicesToSend";
inline constexpr char16_t kPimBusinessCards[] = u"BusinessCardDest";
inline constexpr char16_t kPimCalendarItems[] = u"CalendarDest";
inline constexpr char16_t kPimEmailMessages[] = u"MailDest";
inline constexpr char16_t kPimNotes[] = u"NotesDest";
inline constexpr char16_t kPimMailAttachments[] = u"MailAttachment";
inline constexpr char16_t kPimFolderPath[] = u"FolderPath";        // REG_SZ, always empty
inline constexpr char16_t kPimDefContactItem[] = u"DefContactItem";  // REG_SZ, only created
inline constexpr std::uint32_t kPimSwitchDefault = 1;

// Language tag of the user interface, per user.
inline constexpr char16_t kLanguageKey[] = u"SOFTWARE\\Velmora\\Default";
inline constexpr char16_t kDefaultUserLang[] = u"DefaultUserLang";
inline constexpr std::uint32_t kDefaultUserLangReadBytes = 60;
inline constexpr char16_t kDefaultUserLangFallback[] = u"en-US";

// Machine defaults and capabilities of the product.  The start-up reads of
// SCMS-T and IsScmstSupported use the fixed path; the General page's reads
// take the same path from the string table.
inline constexpr char16_t kMachineProductKey[] = u"SOFTWARE\\Velmora\\Quorvel\\Default";
inline constexpr unsigned kMachineProductKeyText = IDS_KEY_MACHINE_DEFAULT;  // same text
inline constexpr char16_t kScmstSupported[] = u"IsScmstSupported";  // exactly 1: Audio/Video page
inline constexpr char16_t kContentProtection[] = u"SCMS-T";
inline constexpr char16_t kHighSpeed[] = u"HighSpeed";
inline constexpr char16_t kConnectivityAllowed[] = u"IsConnectivityAllowed";

// The user's product settings: "Software\Velmora\Quorvel\Default" (HighSpeed).
inline constexpr unsigned kUserProductDefaultKeyText = IDS_KEY_USER_DEFAULT;
inline constexpr bool kHighSpeedDefault = true;

// Machine defaults of the General page switches:
// "SOFTWARE\Velmora\Quorvel\Default\Notifications".
inline constexpr unsigned kMachineNotificationsKeyText = IDS_KEY_MACHINE_NOTIFICATIONS;
inline constexpr unsigned kRadioOnText = IDS_VALUE_IS_RADIO_ON;                   // "IsRadioOn"
inline constexpr unsigned kDiscoveryEnabledText = IDS_VALUE_IS_DISCOVERY_ENABLED;  // "IsDiscoveryEnabled"

// The last device name the user applied:
// "Software\Velmora\Quorvel\Notifications", created through its own id under
// "Software\Velmora\Quorvel".
inline constexpr unsigned kUserNotificationsKeyText = IDS_KEY_USER_NOTIFICATIONS;
inline constexpr unsigned kUserNotificationsCreateKeyText = IDS_KEY_USER_NOTIFICATIONS_CREATE;
inline constexpr unsigned kUserProductKeyText = IDS_KEY_USER_PRODUCT;
inline constexpr unsigned kLocalDeviceNameText = IDS_VALUE_LOCAL_DEVICE_NAME;  // "LocalDeviceName"
inline constexpr std::uint32_t kLocalDeviceNameReadBytes = 520;

// Proximity pairing, machine-wide:
// "SOFTWARE\Velmora\Quorvel\Default\Proximity Pairing".
inline constexpr unsigned kProximityPairingKeyText = IDS_KEY_MACHINE_PROXIMITY_PAIRING;
inline constexpr char16_t kProximityPairingState[] = u"State";
inline constexpr char16_t kProximityPairingDefaultState[] = u"DefaultState";

// Operating system keys.  ResourceLocale's unnamed value is read on systems
// without GetSystemDefaultUILanguage; the two Control Panel keys are written
// only by registration, the Cpls value being named by the applet name text.
inline constexpr char16_t kResourceLocaleKey[] = u"Control Panel\\Desktop\\ResourceLocale";
inline constexpr std::uint32_t kResourceLocaleReadBytes = 32;
inline constexpr char16_t kControlPanelCplsKey[] =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\Cpls";
inline constexpr unsigned kControlPanelCplsValueText = IDS_APPLET_NAME;
inline constexpr char16_t kControlPanelCategoryKey[] =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\Extended Properties\\"
    u"{305CA226-D286-468e-B848-2B2E8E697B74} 2";
inline constexpr char16_t kControlPanelCategories[] = u"2,3,4";

}  // namespace schema
