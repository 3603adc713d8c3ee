// Numeric resource ids shared by the resource script and the C++ code.
// Language resource libraries carry the same ids, so none of them may change.
// Plain defines only: windres and portable C++ both read this file.
// Control ids repeat across dialogs with different meanings; each meaning has
// its own name, grouped under its dialog.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Registry script applied by DllRegisterServer (resource type "REGISTRY").
#define IDR_REGISTRY_SCRIPT 101

// Icons.
#define IDI_LOCAL_DEVICE 207   // computer with radio waves, device name headers
#define IDI_APPLET 215         // Control Panel item and sheet icon
#define IDI_NOTE 222           // warning sign beside the content protection note
#define IDI_FILE_SHARING 260   // shared folder

// Dialogs (property pages).
#define IDD_GENERAL 202
#define IDD_HARDWARE 203
#define IDD_BTH_SERVICES 205
#define IDD_FILE_SHARING 211
#define IDD_COM_PORTS 219
#define IDD_AUDIO_VIDEO 221
#define IDD_PIM_SETTINGS 287

// General page.
#define IDC_DEVICE_NAME 202
#define IDC_DEVICE_NAME_ICON 203
#define IDC_RADIO_ON 204
#define IDC_DISCOVERABLE 205
#define IDC_CONNECTABLE 206
#define IDC_HELP_LINK 212
#define IDC_RESTORE_DEFAULT 213
#define IDC_HIGH_SPEED 291
#define IDC_PROXIMITY_PAIRING 294

// Hardware page.
#define IDC_HARDWARE_LIST 223
#define IDC_HARDWARE_REFRESH 224
#define IDC_HARDWARE_STATUS 237

// Audio/Video page.
#define IDC_CONTENT_PROTECTION 279
#define IDC_CONTENT_PROTECTION_INFO 288
#define IDC_CONTENT_PROTECTION_NOTE_ICON 289
#define IDC_CONTENT_PROTECTION_NOTE 290

// My Bluetooth Services page.
#define IDC_SERVICES_LIST 233
#define IDC_SERVICES_ICON 235
#define IDC_SERVICES_DEVICE_NAME 236
#define IDC_SERVICES_HELP_LINK 278
#define IDC_LOW_ENERGY_HELP_LINK 292

// COM Ports page.
#define IDC_COM_PORTS_LIST 233
#define IDC_COM_PORTS_INFO 271
#define IDC_COM_PORTS_REMOVE 274
#define IDC_COM_PORTS_REFRESH 275

// File Sharing page.
#define IDC_EXCHANGE_BROWSE 245
#define IDC_IMAGING_BROWSE 246
#define IDC_IMAGING_GROUP 239
#define IDC_EXCHANGE_GROUP 254
#define IDC_EXCHANGE_FOLDER 256
#define IDC_IMAGING_FOLDER 257
#define IDC_SHARING_LABEL 259
#define IDC_SHARING_ICON 260
#define IDC_OPEN_EXCHANGE_LINK 270
#define IDC_OPEN_IMAGING_LINK 271
#define IDC_SHARING_ENABLED 277

// PIM Settings page.
#define IDC_PIM_BUSINESS_CARDS 281
#define IDC_PIM_CALENDAR 282
#define IDC_PIM_EMAIL 283
#define IDC_PIM_NOTES 284
#define IDC_PIM_ATTACHMENTS 285
#define IDC_PIM_ALLOW_SEND 286
#define IDC_PIM_HELP_LINK 287
#define IDC_PIM_ITEMS_GROUP 290

// Strings: Control Panel item.
#define IDS_APPLET_INFO 101
#define IDS_APPLET_NAME 102

// Strings: General page. The key paths and value names are looked up in the
// string table, so they are here too.
#define IDS_NAME_EMPTY 115
#define IDS_NAME_TOO_LONG 116
#define IDS_ERROR_CAPTION 117
#define IDS_KEY_MACHINE_NOTIFICATIONS 141
#define IDS_VALUE_LOCAL_DEVICE_NAME 142
#define IDS_VALUE_IS_DISCOVERY_ENABLED 143
#define IDS_VALUE_IS_RADIO_ON 144
#define IDS_CONFIG_ERROR_CAPTION 147
#define IDS_KEY_USER_NOTIFICATIONS 148
#define IDS_KEY_MACHINE_DEFAULT 181
#define IDS_KEY_USER_DEFAULT 182
#define IDS_DEVICE_UNAVAILABLE_NOT_SAVED 219
#define IDS_SET_NAME_FAILED 220
#define IDS_KEY_USER_PRODUCT 221
#define IDS_KEY_USER_NOTIFICATIONS_CREATE 222
#define IDS_KEY_MACHINE_PROXIMITY_PAIRING 272

// Strings: help topics.
#define IDS_TOPIC_SUPPORTED_SERVICES 158
#define IDS_HELP_FOLDER_FORMAT 159
#define IDS_TOPIC_PIM 287

// Strings: Hardware page.
#define IDS_FIRMWARE_VERSION 104
#define IDS_MANUFACTURER_NAME 149
#define IDS_DEVICE_ADDRESS 150
#define IDS_BLUETOOTH_VERSION 151
#define IDS_DEVICE_UNAVAILABLE_STATUS 152
#define IDS_UNAVAILABLE 153
#define IDS_UNKNOWN_VERSION 154
#define IDS_COLUMN_VALUE 165
#define IDS_COLUMN_PROPERTY 172
#define IDS_MANUFACTURER 256

// Strings: My Bluetooth Services page, profile and description of each
// service, then the column headers and the unavailable texts.
#define IDS_PROFILE_HANDSFREE 118
#define IDS_DESC_HANDSFREE 119
#define IDS_PROFILE_HEADSET 120
#define IDS_PROFILE_STEREO 121
#define IDS_DESC_STEREO 122
#define IDS_PROFILE_SERIAL_PORT 123
#define IDS_DESC_SERIAL_PORT 124
#define IDS_PROFILE_DIAL_UP 125
#define IDS_DESC_DIAL_UP 126
#define IDS_PROFILE_REMOTE_CONTROL 127
#define IDS_DESC_REMOTE_CONTROL 128
#define IDS_PROFILE_FILE_TRANSFER 130
#define IDS_DESC_FILE_TRANSFER 131
#define IDS_PROFILE_OBJECT_PUSH 132
#define IDS_DESC_OBJECT_PUSH 133
#define IDS_PROFILE_HCRP 134
#define IDS_DESC_HCRP 135
#define IDS_PROFILE_HID_HOST 138
#define IDS_DESC_HID_HOST 139
#define IDS_PROFILE_BASIC_PRINTING 160
#define IDS_DESC_BASIC_PRINTING 161
#define IDS_PROFILE_SYNC 183
#define IDS_DESC_SYNC 184
#define IDS_PROFILE_NETWORKING 185
#define IDS_DESC_NETWORKING 186
#define IDS_PROFILE_IMAGE_TRANSFER 187
#define IDS_DESC_IMAGE_TRANSFER 188
#define IDS_PROFILE_VIDEO_DISTRIBUTION 189
#define IDS_DESC_VIDEO_DISTRIBUTION 190
#define IDS_DESC_HEADSET 223
#define IDS_NOT_AVAILABLE 129
#define IDS_COLUMN_PROFILE 136
#define IDS_COLUMN_DESCRIPTION 137
#define IDS_DEVICE_NAME_UNAVAILABLE 140

// Strings: COM Ports page.
#define IDS_COM_PORTS_INFO 250
#define IDS_COLUMN_PORT 251
#define IDS_COLUMN_DIRECTION 252
#define IDS_COLUMN_NAME 253
#define IDS_DIRECTION_INCOMING 254
#define IDS_DIRECTION_OUTGOING 255

// Strings: File Sharing page.
#define IDS_SHARING_LABEL 109
#define IDS_OPEN_EXCHANGE_LINK 114
#define IDS_PATH_IS_FILE 155
#define IDS_FOLDER_NOT_WRITABLE 156
#define IDS_INVALID_FOLDER_PATH 166
#define IDS_ACTIVATE_FAILED 167
#define IDS_DEACTIVATE_FAILED 168
#define IDS_SAVE_SHARING_FAILED 169
#define IDS_BROWSE_TITLE 176
#define IDS_PROBE_LEFT 177
#define IDS_OPEN_IMAGING_LINK 271
