VERSION 5.00
Begin Host.Form Stored
   Caption         =   "Stored"
   ClientHeight    =   4500
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   9000
   Begin OpalineKit.ctl_Opaline_Form Bare
      Height          =   2250
      Left            =   0
      TabIndex        =   0
      Top             =   0
      Width           =   3000
   End
   Begin OpalineKit.ctl_Opaline_Form Differing
      Height          =   2250
      Left            =   3000
      TabIndex        =   1
      Top             =   0
      Width           =   3000
      Caption         =   "From Caption"
      MoveForm        =   "0"
      DoMove          =   0
      BackColor       =   &H000000FF&
      ReturnCaption   =   "From ReturnCaption"
   End
   Begin OpalineKit.ctl_Opaline_Form CaptionOnly
      Height          =   2250
      Left            =   6000
      TabIndex        =   2
      Top             =   0
      Width           =   3000
      Caption         =   "Only Caption"
      DoMove          =   7
   End
End
