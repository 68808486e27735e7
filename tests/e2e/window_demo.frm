VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Demo
   BorderStyle     =   0  'None
   Caption         =   "Window demo"
   ClientHeight    =   3000
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   4500
   Begin OpalineKit.ctl_Opaline_Form Frame
      Height          =   3000
      Left            =   0
      TabIndex        =   0
      Top             =   0
      Width           =   4500
      _ExtentX        =   7938
      _ExtentY        =   5292
      Caption         =   "Window demo"
      MoveForm        =   -1  'True
      DoMove          =   -1  'True
      Begin OpalineKit.txt_Opaline_opal Name
         Height          =   375
         Left            =   300
         TabIndex        =   1
         Top             =   600
         Width           =   3000
         _ExtentX        =   5292
         _ExtentY        =   661
         Enabled         =   -1  'True
         Text            =   ""
      End
      Begin OpalineKit.chk_Opaline_CheckBox Agree
         Height          =   195
         Left            =   300
         TabIndex        =   2
         Top             =   1350
         Width           =   2000
         _ExtentX        =   3528
         _ExtentY        =   344
         Caption         =   "Agree"
         Enabled         =   -1  'True
      End
      Begin OpalineKit.cmd_Opaline_Button Go
         Height          =   375
         Left            =   300
         TabIndex        =   3
         Top             =   2100
         Width           =   1200
         _ExtentX        =   2117
         _ExtentY        =   661
         Caption         =   "Go"
         Enabled         =   -1  'True
      End
   End
End
