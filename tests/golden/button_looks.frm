VERSION 5.00
Begin Host.Form ButtonLooks
   Caption         =   "Looks"
   ClientHeight    =   1200
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   2700
   Begin OpalineKit.cmd_Opaline_Button B1
      Height          =   315
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   2055
   End
   Begin Host.Label L1
      Height          =   255
      Left            =   150
      TabIndex        =   1
      Top             =   600
      Width           =   2055
      Caption         =   "&Name: Opaline"
   End
End
