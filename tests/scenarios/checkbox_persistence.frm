VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Checks
   Caption         =   "Check boxes"
   ClientHeight    =   1800
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   4500
   Begin OpalineKit.chk_Opaline_CheckBox Plain
      Height          =   195
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   1545
      _ExtentX        =   2725
      _ExtentY        =   344
   End
   Begin OpalineKit.chk_Opaline_CheckBox Custom
      Height          =   600
      Left            =   150
      TabIndex        =   1
      Top             =   450
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   1058
      AutoSize        =   0   'False
      BackColor       =   16777215
      Caption         =   "&Save ""all"" files"
      Enabled         =   0   'False
      DisabledColor   =   8421504
      FocusColor      =   16711680
      ForeColor       =   -2147483640
      Inactive        =   -1  'True
      Value           =   2
   End
   Begin OpalineKit.chk_Opaline_CheckBox Odd
      Height          =   195
      Left            =   150
      TabIndex        =   2
      Top             =   1200
      Width           =   555
      _ExtentX        =   979
      _ExtentY        =   344
      Caption         =   "&Test"
      Value           =   40000
   End
End
