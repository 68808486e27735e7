VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form DisabledFrame
   Caption         =   "Disabled frame"
   ClientHeight    =   2400
   ClientWidth     =   4800
   Begin OpalineKit.fam_Opaline_Framebordder Outer
      Height          =   1980
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   3480
      _ExtentX        =   6138
      _ExtentY        =   3493
      Enabled         =   0   'False
      Caption         =   "Outer"
      Begin OpalineKit.chk_Opaline_CheckBox StillEnabled
         Height          =   195
         Left            =   210
         TabIndex        =   1
         Top             =   390
         Width           =   1200
         _ExtentX        =   2117
         _ExtentY        =   344
         Caption         =   "Still enabled"
         Enabled         =   -1  'True
      End
   End
End
