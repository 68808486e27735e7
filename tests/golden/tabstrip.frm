VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form TabStrip
   Caption         =   "Tab strip"
   ClientHeight    =   4995
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   7035
   Begin OpalineKit.stp_Brook_TabStrip Tabs
      Height          =   4695
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   6735
      _ExtentX        =   11880
      _ExtentY        =   8281
   End
End
