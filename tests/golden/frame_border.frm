VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form FrameBorder
   Caption         =   "Frame border"
   ClientHeight    =   1500
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   3900
   Begin OpalineKit.fam_Opaline_Framebordder Enabled
      Height          =   1200
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   2250
      _ExtentX        =   3969
      _ExtentY        =   2117
      Enabled         =   -1  'True
      BackColor       =   14215660
   End
   Begin OpalineKit.fam_Opaline_Framebordder Disabled
      Height          =   1200
      Left            =   2550
      TabIndex        =   1
      Top             =   150
      Width           =   1200
      _ExtentX        =   2117
      _ExtentY        =   2117
      Enabled         =   0   'False
      Caption         =   "Aus"
      BackColor       =   14215660
   End
End
