VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Frames
   Caption         =   "Frames"
   ClientHeight    =   7500
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   10500
   Begin OpalineKit.ctl_Opaline_Form Plain
      Height          =   2250
      Left            =   0
      TabIndex        =   0
      Top             =   0
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   3969
      DoMove          =   -1  'True
   End
   Begin OpalineKit.ctl_Opaline_Form Custom
      Height          =   6000
      Left            =   3150
      TabIndex        =   1
      Top             =   0
      Width           =   7200
      _ExtentX        =   12700
      _ExtentY        =   10583
      AutoRedraw      =   -1  'True
      Caption         =   "Mail ""Inbox"""
      MoveForm        =   "True"
      DoMove          =   0   'False
      BackColor       =   -2147483633
      ReturnCaption   =   "Mail ""Inbox"""
      Begin OpalineKit.cmd_Opaline_Button Send
         Height          =   315
         Left            =   300
         TabIndex        =   2
         Top             =   600
         Width           =   2055
         _ExtentX        =   3625
         _ExtentY        =   556
      End
      Begin Host.Label Note
         Height          =   255
         Left            =   300
         TabIndex        =   3
         Top             =   1200
         Width           =   1215
         Caption         =   "Note"
      End
      Begin OpalineKit.ctl_Opaline_Form Inner
         Height          =   3000
         Left            =   300
         TabIndex        =   4
         Top             =   1800
         Width           =   4500
         _ExtentX        =   7938
         _ExtentY        =   5292
         MoveForm        =   Null
         DoMove          =   -1  'True
         Begin Host.CommandButton Go
            Height          =   375
            Left            =   300
            TabIndex        =   5
            Top             =   600
            Width           =   1215
            Caption         =   "Go"
         End
      End
   End
   Begin OpalineKit.ctl_Opaline_Form Off
      Height          =   2250
      Left            =   0
      TabIndex        =   6
      Top             =   2400
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   3969
      Enabled         =   0   'False
      MoveForm        =   0   'False
      DoMove          =   -1  'True
   End
   Begin OpalineKit.ctl_Opaline_Form Numbers
      Height          =   2250
      Left            =   0
      TabIndex        =   7
      Top             =   4800
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   3969
      MoveForm        =   40000
      DoMove          =   -1  'True
   End
   Begin OpalineKit.ctl_Opaline_Form Half
      Height          =   1500
      Left            =   0
      TabIndex        =   8
      Top             =   4950
      Width           =   1500
      _ExtentX        =   2646
      _ExtentY        =   2646
      MoveForm        =   0.5
      DoMove          =   -1  'True
   End
   Begin OpalineKit.ctl_Opaline_Form Nothing
      Height          =   1500
      Left            =   1500
      TabIndex        =   9
      Top             =   4950
      Width           =   1500
      _ExtentX        =   2646
      _ExtentY        =   2646
      MoveForm        =   Empty
      DoMove          =   -1  'True
   End
End
