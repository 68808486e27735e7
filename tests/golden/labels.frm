VERSION 5.00
Begin Host.Form Labels
   Caption         =   "Labels"
   ClientHeight    =   1500
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   3000
   Begin Host.Label Left
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   2700
      Caption         =   "&Left aligned"
   End
   Begin Host.Label Centred
      Height          =   255
      Left            =   120
      TabIndex        =   1
      Top             =   480
      Width           =   2700
      Alignment       =   2
      BackColor       =   16777215
      Caption         =   "Centred && filled"
   End
   Begin Host.Label Wrapped
      Height          =   495
      Left            =   120
      TabIndex        =   2
      Top             =   840
      Width           =   1200
      WordWrap        =   -1  'True
      Caption         =   "Words that wrap onto two lines"
   End
End
