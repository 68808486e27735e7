VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form CheckBoxValues
   Caption         =   "Check boxes"
   ClientHeight    =   1140
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   2100
   Begin OpalineKit.chk_Opaline_CheckBox Unchecked
      Height          =   195
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   1545
      _ExtentX        =   2725
      _ExtentY        =   344
      Caption         =   "&Unchecked"
      Value           =   0
   End
   Begin OpalineKit.chk_Opaline_CheckBox Checked
      Height          =   195
      Left            =   150
      TabIndex        =   1
      Top             =   480
      Width           =   1545
      _ExtentX        =   2725
      _ExtentY        =   344
      Caption         =   "&Checked"
      Value           =   1
   End
   Begin OpalineKit.chk_Opaline_CheckBox Partly
      Height          =   195
      Left            =   150
      TabIndex        =   2
      Top             =   810
      Width           =   1545
      _ExtentX        =   2725
      _ExtentY        =   344
      Caption         =   "&Inactive"
      Inactive        =   -1  'True
      Value           =   2
   End
End
