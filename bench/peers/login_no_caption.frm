VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Login
   Caption         =   "Sign in"
   ClientHeight    =   2640
   ClientLeft      =   3000
   ClientTop       =   2400
   ClientWidth     =   4800
   Begin Host.Label UserLabel
      Caption         =   "&User name:"
      Height          =   195
      Left            =   240
      TabIndex        =   1
      Top             =   630
      Width           =   1200
   End
   Begin OpalineKit.txt_Opaline_opal UserText
      Height          =   315
      Left            =   1560
      TabIndex        =   2
      Top             =   570
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   556
      Enabled         =   -1  'True
      Locked          =   0   'False
      Text            =   ""
      ReturnText      =   ""
   End
   Begin Host.Label PasswordLabel
      Caption         =   "&Password:"
      Height          =   195
      Left            =   240
      TabIndex        =   3
      Top             =   1110
      Width           =   1200
   End
   Begin OpalineKit.txt_Opaline_opal PasswordText
      Height          =   315
      Left            =   1560
      TabIndex        =   4
      Top             =   1050
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   556
      Enabled         =   -1  'True
      Locked          =   0   'False
      PasswordChar    =   "*"
      Text            =   ""
      ReturnText      =   ""
   End
   Begin OpalineKit.chk_Opaline_CheckBox RememberCheck
      Height          =   195
      Left            =   1560
      TabIndex        =   5
      Top             =   1560
      Width           =   1200
      _ExtentX        =   2117
      _ExtentY        =   344
      Caption         =   "&Remember me"
   End
   Begin OpalineKit.cmd_Opaline_Button OkButton
      Height          =   315
      Left            =   2040
      TabIndex        =   6
      Top             =   2040
      Width           =   1125
      _ExtentX        =   1984
      _ExtentY        =   556
      Caption         =   "OK"
      Enabled         =   -1  'True
   End
   Begin OpalineKit.cmd_Opaline_Button CancelButton
      Height          =   315
      Left            =   3360
      TabIndex        =   7
      Top             =   2040
      Width           =   1125
      _ExtentX        =   1984
      _ExtentY        =   556
      Caption         =   "Cancel"
      Enabled         =   -1  'True
   End
End
