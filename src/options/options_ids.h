/* The Options dialog's template and controls, shared by its resource script
   and its code. Plain #defines, as the resource compiler reads this file too. */
#pragma once

#define OPTIONS_DIALOG 100
#define OPTIONS_INTERVAL 1001
#define OPTIONS_INTERVAL_SPIN 1002
#define OPTIONS_HIDE_TIME 1003
#define OPTIONS_HIDE_TIME_SPIN 1004
#define OPTIONS_BACKGROUND 1005
#define OPTIONS_BACKGROUND_SWATCH 1006
#define OPTIONS_BACKGROUND_PICK 1007
#define OPTIONS_CAPTION_SWATCH 1008
#define OPTIONS_CAPTION_PICK 1009
#define OPTIONS_VALUE_SWATCH 1010
#define OPTIONS_VALUE_PICK 1011
#define OPTIONS_AUTOSTART 1012
#define OPTIONS_MOVE_MODE 1013
#define OPTIONS_STATUS 1014
#define OPTIONS_APPLY 1015
#define OPTIONS_FIT 1016
#define OPTIONS_SCREEN 1017
#define OPTIONS_YIELD 1018
#define OPTIONS_RESERVE 1019
#define OPTIONS_AUTOSTART_NOTE 1020
#define OPTIONS_MATCH 1021
#define OPTIONS_MATCH_NOTE 1022
#define OPTIONS_MONITOR 1023
#define OPTIONS_MONITOR_NOTE 1024

/* The dialog's window class: a second start of the program finds it by this name. */
#define OPTIONS_CLASS "VeltranaOptions"
