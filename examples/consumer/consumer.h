// Resource IDs of the host's customer dialog.
#pragma once

#define IDD_CUSTOMER 200
#define IDC_CORPORATE 201
#define IDC_PRIVATE 202
#define IDC_CODE 211
#define IDC_NAME 212
#define IDC_SUSPENDED 221
