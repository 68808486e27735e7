VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Gallery
   BorderStyle     =   0
   Caption         =   "OpalineKit gallery"
   ClientHeight    =   5910
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   10800
   Begin OpalineKit.ctl_Opaline_Form Window
      Height          =   5910
      Left            =   0
      TabIndex        =   0
      Top             =   0
      Width           =   10800
      _ExtentX        =   19050
      _ExtentY        =   10425
      Caption         =   "OpalineKit gallery"
      DoMove          =   -1  'True
      ReturnCaption   =   "OpalineKit gallery"
      Begin OpalineKit.fam_Opaline_Framebordder FontFrame
         Height          =   1980
         Left            =   180
         TabIndex        =   1
         Top             =   480
         Width           =   3480
         _ExtentX        =   6138
         _ExtentY        =   3493
         Enabled         =   -1  'True
         Caption         =   "Schrift"
         BackColor       =   14215660
         Begin OpalineKit.chk_Opaline_CheckBox BoldCheck
            Height          =   195
            Left            =   210
            TabIndex        =   2
            Top             =   390
            Width           =   510
            _ExtentX        =   900
            _ExtentY        =   344
            Caption         =   "&Fett"
            Value           =   1
         End
         Begin OpalineKit.chk_Opaline_CheckBox ItalicCheck
            Height          =   195
            Left            =   210
            TabIndex        =   3
            Top             =   750
            Width           =   675
            _ExtentX        =   1191
            _ExtentY        =   344
            Caption         =   "&Kursiv"
         End
         Begin OpalineKit.chk_Opaline_CheckBox UnderlineCheck
            Height          =   195
            Left            =   210
            TabIndex        =   4
            Top             =   1110
            Width           =   1185
            _ExtentX        =   2090
            _ExtentY        =   344
            Caption         =   "&Unterstrichen"
            Inactive        =   -1  'True
            Value           =   2
         End
         Begin OpalineKit.chk_Opaline_CheckBox StrikeCheck
            Height          =   195
            Left            =   210
            TabIndex        =   5
            Top             =   1470
            Width           =   1410
            _ExtentX        =   2487
            _ExtentY        =   344
            Caption         =   "&Durchgestrichen"
         End
      End
      Begin OpalineKit.fam_Opaline_Framebordder NameFrame
         Height          =   960
         Left            =   180
         TabIndex        =   6
         Top             =   2640
         Width           =   3480
         _ExtentX        =   6138
         _ExtentY        =   1693
         Enabled         =   -1  'True
         Caption         =   "Name"
         BackColor       =   14215660
         Begin OpalineKit.txt_Opaline_opal NameText
            Height          =   315
            Left            =   210
            TabIndex        =   7
            Top             =   390
            Width           =   3060
            _ExtentX        =   5398
            _ExtentY        =   556
            Enabled         =   -1  'True
            Locked          =   0   'False
            Text            =   "Opaline"
            ReturnText      =   "Opaline"
         End
      End
      Begin OpalineKit.fam_Opaline_Framebordder LockedFrame
         Height          =   1890
         Left            =   180
         TabIndex        =   8
         Top             =   3780
         Width           =   3480
         _ExtentX        =   6138
         _ExtentY        =   3334
         Enabled         =   0   'False
         Caption         =   "Deaktiviert"
         BackColor       =   14215660
         Begin OpalineKit.chk_Opaline_CheckBox LockedCheck
            Height          =   195
            Left            =   210
            TabIndex        =   9
            Top             =   390
            Width           =   840
            _ExtentX        =   1482
            _ExtentY        =   344
            Caption         =   "Gesperrt"
            Enabled         =   0   'False
         End
         Begin OpalineKit.txt_Opaline_opal LockedText
            Height          =   315
            Left            =   210
            TabIndex        =   10
            Top             =   750
            Width           =   3060
            _ExtentX        =   5398
            _ExtentY        =   556
            Enabled         =   0   'False
            Locked          =   0   'False
            Text            =   "Nur lesen"
            ReturnText      =   "Nur lesen"
         End
         Begin OpalineKit.cmd_Opaline_Button LockedButton
            Height          =   315
            Left            =   210
            TabIndex        =   11
            Top             =   1260
            Width           =   1500
            _ExtentX        =   2646
            _ExtentY        =   556
            Enabled         =   0   'False
            Caption         =   "Anwenden"
         End
      End
      Begin OpalineKit.stp_Brook_TabStrip Tabs
         Height          =   4695
         Left            =   3840
         TabIndex        =   12
         Top             =   480
         Width           =   6735
         _ExtentX        =   11880
         _ExtentY        =   8281
      End
      Begin OpalineKit.cmd_Opaline_Button OkButton
         Height          =   315
         Left            =   7335
         TabIndex        =   13
         Top             =   5355
         Width           =   1500
         _ExtentX        =   2646
         _ExtentY        =   556
         Caption         =   "&OK"
      End
      Begin OpalineKit.cmd_Opaline_Button CancelButton
         Height          =   315
         Left            =   9075
         TabIndex        =   14
         Top             =   5355
         Width           =   1500
         _ExtentX        =   2646
         _ExtentY        =   556
         Caption         =   "&Abbrechen"
      End
   End
End
