// Resource IDs of the demo slip, shared by its resource script and its host code.
#pragma once

#define IDD_SLIP 100

// Slip kind: one radio group.
#define IDC_SALE 1001
#define IDC_RETURN 1002
#define IDC_QUOTE 1003
// Check boxes.
#define IDC_URGENT 1011
#define IDC_INVOICE 1012
#define IDC_CARRIAGE 1013
// The customer's name and its reading.
#define IDC_NAME 1101
#define IDC_READING 1102
// The windows the host creates in code, in places the template keeps: quantity and unit price
// (numeric fields, in the 5000 range the controller leaves to the host), the trading partner (a
// free-standing pull-down list, 5000 range too) and a memo (a string field, 6000 range).
#define IDC_QUANTITY 5001
#define IDC_PRICE 5002
#define IDC_PARTNER 5003
#define IDC_MEMO 6001
// The pull-down combo boxes (7000 range): department and account from the master files, the
// person in charge filled by the host.
#define IDC_DEPARTMENT 7001
#define IDC_ACCOUNT 7002
#define IDC_STAFF 7003
// A plain combo box and list box.
#define IDC_PAYMENT 1201
#define IDC_DELIVERY 1301
// Push buttons, captioned as the library's button bitmaps.
#define IDC_SEARCH 1501
#define IDC_SHOWALL 1502
#define IDC_HELP_BUTTON 9
