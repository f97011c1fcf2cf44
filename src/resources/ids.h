/* Identifiers shared by the program and its resource script: message
   strings, menu commands and controls. Plain #defines so that windres can
   read this file too. */
#ifndef LOMVEX_RESOURCES_IDS_H
#define LOMVEX_RESOURCES_IDS_H

/* Message string table. */
#define IDS_DISK_ERROR 0
#define IDS_FILE_DESTROYED 1
#define IDS_CANT_WRITE_FMT 2
#define IDS_DATA_LOCK_FAILED 3
#define IDS_HEADER_ALLOC_FAILED 4
#define IDS_PATH_TOO_LONG 5
#define IDS_CANT_PROCESS_NOT_PCM 6
#define IDS_SAVE_ONTO_SOURCE 7
#define IDS_NO_MEMORY 16
#define IDS_CANT_READ_FMT 17
#define IDS_CANT_CREATE_DATA 18
#define IDS_CANT_READ_DATA 19
#define IDS_HEADER_LOCK_FAILED 20
#define IDS_NOT_ENOUGH_MEMORY 32
#define IDS_NO_SUPPORT_FORMAT 33
#define IDS_CANT_OPEN_WAVEOUT 34
#define IDS_HEADER_FAILED 35
#define IDS_MEMORY_LOCK_FAILED 48
#define IDS_NO_DATA 49
#define IDS_CANT_OPEN_WAVEIN 50
#define IDS_WAVEOUTWRITE_FAILED 51
#define IDS_FILE_NAME_MISSING 64
#define IDS_DATA_EMPTY 65
#define IDS_READING_FILE 66
#define IDS_ADDBUFFER_FAILED 67
#define IDS_CANT_OPEN_FILE 80
#define IDS_CANT_CREATE_RIFF 81
#define IDS_ALLOCATING_MEMORY 82
#define IDS_REC_FAILED 83
#define IDS_NOT_WAVE_FILE 96
#define IDS_CANT_CREATE_FMT 97
#define IDS_CANT_DISPLAY_LEVEL 98
#define IDS_PLAY_OPEN 99

/* Menu commands. */
#define IDM_MONITOR 101
#define IDM_OPEN 102
#define IDM_INFO 103
#define IDM_EXIT 104
#define IDM_ABOUT 105
#define IDM_HELP 106
#define IDM_OPTION 107
#define IDM_SAVE 150
#define IDM_VIEW_WAVE 197
#define IDM_VIEW_LEVEL 198
#define IDM_VIEW_SPECTRUM 199
#define IDM_PLAY 508
#define IDM_STOP 509
#define IDM_PAUSE 510

/* Controls of the main window's control panel. The subclassed ones run
   from 508 (Play) to 555 without a gap, so a table indexed by id - 508
   covers them all. */
#define IDC_CHANNEL_NOTHING 511
#define IDC_CHANNEL_BALANCE 512
#define IDC_CHANNEL_MONAURAL 513
#define IDC_CHANNEL_MINUS_ONE 514
#define IDC_BALANCE 515
#define IDC_DROP_TARGET 516
#define IDC_BAR_FIRST 517 /* bar j is IDC_BAR_FIRST + j, j = 0 .. 19 */
#define IDC_BAR_LAST 536
#define IDC_RESET 537
#define IDC_FIELD_FIRST 538 /* row i, column c is IDC_FIELD_FIRST + 3i + c */
#define IDC_FIELD_LAST 546
#define IDC_SOPRANO 547
#define IDC_MEZZOSOPRANO 548
#define IDC_ALTO_TENOR 549
#define IDC_BARITONE 550
#define IDC_BASS 551
#define IDC_OCTAVE_CUT 552
#define IDC_HIGH_BOOST 553
#define IDC_LOW_BOOST 554
#define IDC_SUBSONIC 555

#endif
