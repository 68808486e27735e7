VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Frames
   Caption         =   "Frames"
   ClientHeight    =   6000
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   9000
   Begin OpalineKit.fam_Opaline_Framebordder Plain
      Height          =   1500
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   2646
   End
   Begin OpalineKit.fam_Opaline_Framebordder Options
      Height          =   4500
      Left            =   3300
      TabIndex        =   1
      Top             =   150
      Width           =   5400
      _ExtentX        =   9525
      _ExtentY        =   7938
      Enabled         =   -1  'True
      Caption         =   "Optionen"
      BackColor       =   16777215
      ReturnCaption   =   "Anders"
      Begin OpalineKit.chk_Opaline_CheckBox Check1
         Height          =   195
         Left            =   240
         TabIndex        =   2
         Top             =   360
         Width           =   555
         _ExtentX        =   979
         _ExtentY        =   344
         Caption         =   "Laut"
         Value           =   1
      End
      Begin OpalineKit.fam_Opaline_Framebordder Inner
         Height          =   1800
         Left            =   240
         TabIndex        =   3
         Top             =   900
         Width           =   3000
         _ExtentX        =   5292
         _ExtentY        =   3175
         Enabled         =   -1  'True
         Caption         =   ""
         BackColor       =   14215660
         Begin Host.CommandButton Go
            Height          =   375
            Left            =   300
            TabIndex        =   4
            Top             =   450
            Width           =   1215
            Caption         =   "Go"
         End
      End
   End
End
