// Resource identifiers. The numbers are part of the program's contract with its resources: keep them.
#pragma once

// ---- Dialog layouts ------------------------------------------------------------------------------------------------
#define IDD_ABOUTBOX 100
#define IDD_MAIN 102
#define IDD_EXIT_MESSAGE 262
#define IDD_ADVANCED 298
#define IDD_NO_USB 353
#define IDD_NOTICE_MESSAGE 358
#define IDD_WORLD_TIME 400

// ---- Icon, strings, manifest ---------------------------------------------------------------------------------------
#define IDS_ABOUTBOX 101
#define IDR_MAINFRAME 128
#define IDM_ABOUTBOX 0x0010

// ---- Main window bitmaps -------------------------------------------------------------------------------------------
#define IDB_MAIN_BACKGROUND 292
#define IDB_MAIN_CANCEL_HOVER 133 // also the focused image
#define IDB_MAIN_CANCEL 134
#define IDB_MAIN_CANCEL_PRESSED 135
#define IDB_MAIN_RESET_HOVER 136 // also the focused image
#define IDB_MAIN_RESET 137
#define IDB_MAIN_RESET_PRESSED 138
#define IDB_OK_PRESSED 139       // shared by the main and advanced windows
#define IDB_OK_HOVER 140         // also the focused image
#define IDB_OK 141
#define IDB_MAIN_SYSTIME_HOVER 142
#define IDB_MAIN_SYSTIME 143
#define IDB_MAIN_SYSTIME_PRESSED 144
#define IDB_MAIN_WORLDTIME_HOVER 145
#define IDB_MAIN_WORLDTIME 146
#define IDB_MAIN_WORLDTIME_PRESSED 147
#define IDB_MAIN_ADVANCED 293
#define IDB_MAIN_ADVANCED_HOVER 294
#define IDB_MAIN_ADVANCED_PRESSED 295

// Resolution choice k (0..2): normal 165 + 4k, hover 166 + 4k, selected 167 + 4k, pressed 168 + 4k.
#define IDB_RES_1080P 165
#define IDB_RES_1080P_HOVER 166
#define IDB_RES_1080P_SELECTED 167
#define IDB_RES_1080P_PRESSED 168
#define IDB_RES_720P 169
#define IDB_RES_720P_HOVER 170
#define IDB_RES_720P_SELECTED 171
#define IDB_RES_720P_PRESSED 172
#define IDB_RES_720P_WIDE 173
#define IDB_RES_720P_WIDE_HOVER 174
#define IDB_RES_720P_WIDE_SELECTED 175
#define IDB_RES_720P_WIDE_PRESSED 176

#define IDB_MAIN_MARKER 177 // 14 x 14 selection marker

// Choice faces (normal) and pressed images; within a level group face = first + 2i, pressed = face + 1.
#define IDB_MIC_ON 178
#define IDB_MIC_ON_PRESSED 179
#define IDB_MIC_OFF 180
#define IDB_MIC_OFF_PRESSED 181
#define IDB_DRIVING_ACCEL_0 214 // .. 222
#define IDB_DRIVING_ACCEL_OFF 296
#define IDB_DRIVING_ACCEL_OFF_PRESSED 297
#define IDB_PARKING_ACCEL_0 228 // .. 236
#define IDB_AUTO_PARKING_ON 238
#define IDB_AUTO_PARKING_ON_PRESSED 239
#define IDB_AUTO_PARKING_MANUAL 240
#define IDB_AUTO_PARKING_MANUAL_PRESSED 241
#define IDB_PARKING_MOTION_0 242 // .. 250
#define IDB_SPEAKER_0 252        // .. 260
#define IDB_NIGHT_BRIGHT_0 271   // .. 279

// ---- Advanced window bitmaps ---------------------------------------------------------------------------------------
#define IDB_ADV_BACKGROUND 349
#define IDB_ADV_MARKER 350
#define IDB_ADV_CANCEL 301
#define IDB_ADV_CANCEL_HOVER 302 // also the focused image
#define IDB_ADV_CANCEL_PRESSED 303
// Choice images: normal = first + 2i, selected (pressed) = normal + 1.
#define IDB_ADV_BITRATE_0 310      // .. 314
#define IDB_ADV_DRIVING_FPS_0 316  // .. 322
#define IDB_ADV_PARKING_FPS_0 326  // .. 332
#define IDB_ADV_PARKING_BW_ON 336
#define IDB_ADV_PARKING_BW_OFF 338
#define IDB_ADV_FLIP_ON 340
#define IDB_ADV_FLIP_OFF 342
#define IDB_ADV_PARTITION_DEFAULT 344
#define IDB_ADV_PARTITION_CUSTOM 346
#define IDB_ADV_GPS_0 370          // .. 374
#define IDB_ADV_VIDEO_OUT_NTSC 378
#define IDB_ADV_VIDEO_OUT_PAL 380

// ---- Slider --------------------------------------------------------------------------------------------------------
#define IDB_SLIDER_THUMB_STRIP 351 // 124 x 8, four 31 x 8 frames
#define IDB_SLIDER_CHANNEL_LEFT 355
#define IDB_SLIDER_CHANNEL_RIGHT 356

// ---- Message boxes and picker --------------------------------------------------------------------------------------
#define IDB_EXIT_BACKGROUND 263
#define IDB_NO_USB_BACKGROUND 357
#define IDB_NOTICE_BACKGROUND 359
#define IDB_WORLD_TIME_BACKGROUND 402
#define IDB_NO_USB_OK_STRIP 354 // 532 x 44
#define IDB_EXIT_OK_STRIP 377   // 532 x 44
#define IDB_APPLY_STRIP 360     // 516 x 44
#define IDB_CANCEL_STRIP 362    // 516 x 44

// ---- Controls of the main window (layout 102) ----------------------------------------------------------------------
#define IDC_MAIN_RESET 1007
#define IDC_MAIN_AUTO_PARKING_ON 1021     // "Auto Parking" 1
#define IDC_MAIN_AUTO_PARKING_MANUAL 1022 // "Auto Parking" 0
#define IDC_MAIN_MIC_ON 1023              // "MIC Volume" 2
#define IDC_MAIN_MIC_OFF 1024             // "MIC Volume" 0
#define IDC_MAIN_SYSTEM_TIME 1025
#define IDC_MAIN_WORLD_TIME 1026
#define IDC_MAIN_RES_1080P 1034
#define IDC_MAIN_RES_720P 1035
#define IDC_MAIN_RES_720P_WIDE 1036
#define IDC_MAIN_ADVANCED 1037
#define IDC_MAIN_DRIVING_ACCEL_0 1054 // .. 1058 for levels 0..4
#define IDC_MAIN_DRIVING_ACCEL_OFF 1059
#define IDC_MAIN_PARKING_ACCEL_0 1060 // .. 1064
#define IDC_MAIN_SPEAKER_0 1067       // .. 1071
#define IDC_MAIN_PARKING_MOTION_0 1072 // .. 1076
#define IDC_MAIN_NIGHT_BRIGHT_0 1077  // .. 1081

// ---- Controls of the advanced window (layout 298) ------------------------------------------------------------------
#define IDC_ADV_FLIP_ON 1064
#define IDC_ADV_FLIP_OFF 1065
#define IDC_ADV_PARKING_BW_ON 1066
#define IDC_ADV_PARKING_BW_OFF 1067
#define IDC_ADV_VIDEO_OUT_NTSC 1068
#define IDC_ADV_VIDEO_OUT_PAL 1069
#define IDC_ADV_PARTITION_DEFAULT 1073
#define IDC_ADV_PARTITION_CUSTOM 1074
#define IDC_ADV_PROFILE_HIGH 1080
#define IDC_ADV_PROFILE_MAIN 1081
#define IDC_ADV_PROFILE_BASELINE 1082
#define IDC_ADV_BITRATE_0 1083 // .. 1085
#define IDC_ADV_PARTITION_SLIDER 1086
#define IDC_ADV_DRIVING_FPS_0 1087 // .. 1090
#define IDC_ADV_PARKING_FPS_0 1092 // .. 1095
#define IDC_ADV_GPS_0 1097         // .. 1099

// ---- Other controls ------------------------------------------------------------------------------------------------
#define IDC_SLIDER_THUMB 1003
#define IDC_WORLD_TIME_LIST 401
#define IDC_ABOUT_ICON 1000
#define IDC_ABOUT_TEXT 1001
