// Resource IDs, shared by the C++ sources and kvizar.rc. Plain #defines only, so that the
// resource compiler's preprocessor reads this file as well as the C++ compiler does.
#ifndef KVIZAR_RESOURCE_H
#define KVIZAR_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Texts: the title of the messages that refuse input or a file.
#define IDS_ERROR_TITLE 1

// Main frame: its menu (dropped as soon as the frame is created) and the application icon.
#define IDR_MAINFRAME 128
#define ID_MENU_SOUBOR 0xFFFF

// Pictures of the main panel's image buttons, 52 x 52 pixels, 256 colours.
#define IDB_QUIT 131
#define IDB_RUN 134
#define IDB_NEW 135
#define IDB_EDIT 136
// The same pictures drawn for 125, 150 and 200 % (65, 78 and 104 pixels square): each one's ID is
// the 100 % picture's plus 1, 2 or 3 steps.
#define IDB_SCALE_STEP 100
#define IDB_QUIT_125 231
#define IDB_RUN_125 234
#define IDB_NEW_125 235
#define IDB_EDIT_125 236
#define IDB_QUIT_150 331
#define IDB_RUN_150 334
#define IDB_NEW_150 335
#define IDB_EDIT_150 336
#define IDB_QUIT_200 431
#define IDB_RUN_200 434
#define IDB_NEW_200 435
#define IDB_EDIT_200 436

// Dialog templates.
#define IDD_NEW_TEST 137
#define IDD_CREATE_QUESTIONS 139
#define IDD_RUN_SELECT 140
#define IDD_RUN_TEST 141
#define IDD_RESULTS 142
#define IDD_EDIT_SELECT 143
#define IDD_EDIT_QUESTIONS 144

// New-test dialog.
#define IDC_TEST_NAME 1000
#define IDC_QUESTION_COUNT 1001

// Question sheets, creating and editing. The two differ only in the backward button's ID.
#define IDC_QUESTION 1000
#define IDC_ANSWER1 1001
#define IDC_NEXT 1002
#define IDC_PREVIOUS_CREATE 1004
#define IDC_ANSWER2 1005
#define IDC_ANSWER3 1006
#define IDC_ANSWER4 1007
#define IDC_OPTION1 1008
#define IDC_OPTION2 1009
#define IDC_OPTION3 1010
#define IDC_OPTION4 1011
#define IDC_QUESTION_LABEL 1012
#define IDC_PREVIOUS_EDIT 1024

// Test pickers, before a run and before editing.
#define IDC_TEST_LIST 1013

// Quiz; its options and its answer button reuse IDC_OPTION1..IDC_OPTION4 and IDC_NEXT.
#define IDC_QUESTION_TEXT 1012
#define IDC_TOTAL 1014
#define IDC_REMAINING 1015
#define IDC_QUESTION_NUMBER 1016

// Results.
#define IDC_COUNT_LABEL 1014
#define IDC_RESULT_NAME 1017
#define IDC_WRONG_LABEL 1018
#define IDC_RIGHT_LABEL 1019
#define IDC_RESULT_COUNT 1020
#define IDC_RESULT_RIGHT 1021
#define IDC_RESULT_WRONG 1022

#endif
