/* The About dialog's template and controls, shared by its resource script
   and its code. Plain #defines, as the resource compiler reads this file too. */
#pragma once

#define ABOUT_DIALOG 100
#define ABOUT_NAME 1001
#define ABOUT_VERSION 1002
#define ABOUT_FOLDER 1003
#define ABOUT_HELP_LINK 1004
